#include "generation/runplan.h"

#include <QFileInfo>

#include <exception>

#include "generation/filename.h"
#include "generation/fileoutput.h"
#include "generation/generationhost.h"
#include "generation/icongenerator.h"
#include "generation/outputlock.h"
#include "generation/outputpaths.h"
#include "generation/outputsets.h"
#include "generation/runcontrol.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

namespace {

// Every target has a 1024-pixel image, and no image of theirs is stretched: the source's longer
// side is fitted to it.
OutputPlan targetsOutputPlan()
{
    OutputPlan plan;
    plan.outputs.append({QStringLiteral("AppIcon"), QSize(1024, 1024)});
    plan.stretched = false;
    plan.fitted = true;
    return plan;
}

QString reasonOf(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc &) {
        return RunPlan::tr("There was not enough memory.");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return RunPlan::tr("The run stopped for a reason it could not name.");
    }
}

SourceCheck::Facts factsOf(const SourceImage &source, bool transparent)
{
    return {source.size(), transparent, source.isVector()};
}

} // namespace

OutputPlan RunPlan::outputPlan(const GenerationRequest &request)
{
    if (request.platform && request.platform->isTargets())
        return targetsOutputPlan();
    return IconGenerator::outputPlan(request);
}

QList<SourceWarning> RunPlan::sourceWarnings(const GenerationRequest &request, bool transparent)
{
    return SourceCheck::check(factsOf(request.source, transparent), outputPlan(request));
}

QString RunPlan::fileNameFor(const GenerationRequest &request)
{
    QString given = request.name.trimmed();
    if (!given.isEmpty())
        return given;
    const QString base = QFileInfo(request.source.origin()).completeBaseName();
    return FileName::isPlainStem(base) ? base : QStringLiteral("icon");
}

Result<RunPlan> RunPlan::prepare(GenerationRequest request)
{
    if (!request.platform)
        return Failure{tr("Nothing is chosen to make.")};
    if (request.saveFolder.trimmed().isEmpty())
        return Failure{tr("There is no save folder.")};
    RunPlan plan(std::move(request));
    const GenerationRequest &asked = plan.m_request;
    if (asked.platform->isTargets() && asked.targets.isEmpty())
        return Failure{tr("No target is chosen.")};

    // Where the files go is checked before any picture is read: a run that cannot put its sets
    // in place, or that would write over or move away what it reads, never starts.
    const QList<OutputSets::Place> places = OutputSets::of(asked);
    if (const Result<void> writable = OutputSets::checkWritable(asked.saveFolder, places); !writable)
        return Failure{writable.error()};
    QStringList inputs{asked.source.origin(), asked.sizeTable};
    for (const QString &picture : asked.pictures)
        inputs << OutputPaths::expandHome(picture);
    inputs << asked.inputs;
    if (const Result<void> untouched = OutputSets::checkInputs(places, inputs); !untouched)
        return Failure{untouched.error()};

    if (asked.platform->isTargets()) {
        const QString name = fileNameFor(asked);
        if (!FileName::isPlainStem(name))
            return Failure{tr("\"%1\" cannot name a file: a name of at most %2 bytes, without \"/\", \"\\\", \"..\", "
                              "a leading \".\" or control characters.")
                               .arg(name)
                               .arg(FileName::maxBytes - FileName::maxExtensionBytes)};
        // Read now, so that a picture that cannot be used stops the run before a file is made.
        plan.m_sources.main = asked.source;
        for (auto it = asked.pictures.begin(); it != asked.pictures.end(); ++it) {
            const Result<SourceImage> picture = SourceImage::load(OutputPaths::expandHome(it.value()));
            if (!picture)
                return Failure{
                    tr("The %1 picture cannot be used. %2").arg(TargetCatalog::pictureName(it.key()), picture.error())};
            plan.m_sources.others.insert(it.key(), *picture);
        }
        plan.m_job.folder = OutputPaths::expandHome(asked.saveFolder);
        plan.m_job.targets = asked.targets;
        plan.m_job.options.background = asked.background;
        plan.m_job.options.macShape = asked.macShape;
        plan.m_job.options.androidInset = asked.androidInset;
        plan.m_job.options.splashBackground = asked.splashBackground;
        plan.m_job.options.splashDarkBackground = asked.splashDarkBackground;
        plan.m_job.options.padding = asked.padding;
        plan.m_job.options.name = name;
        plan.m_job.options.displayName = asked.name.trimmed();
    }

    plan.m_outputs = outputPlan(asked);
    // Sizes that cannot be made fail before anything is written, not halfway through.
    for (const SourceWarning &warning : SourceCheck::check(factsOf(asked.source, false), plan.m_outputs)) {
        if (warning.kind == SourceWarning::Kind::TooLarge)
            return Failure{warning.message};
    }

    if (asked.platform->isIconSet()) {
        const ExistingSet existing = ExistingSet::read(plan.folder());
        plan.m_existingFolder = existing.exists();
        plan.m_conflict = existing.conflictWith(ExistingSet::fileNames(plan.m_outputs));
    } else if (asked.platform->isTargets()) {
        plan.findTargetConflict();
    }
    return plan;
}

void RunPlan::findTargetConflict()
{
    TargetJob existing = m_job;
    existing.targets.clear();
    for (const QString &target : std::as_const(m_job.targets)) {
        if (QFileInfo(m_job.folder + u'/' + target).isDir())
            existing.targets << target;
    }
    m_existingTargets = existing.targets;
    // A first run into the folder spoils nothing, and needs no look at the pictures.
    if (!existing.targets.isEmpty())
        m_conflict = ExistingSet::targetsConflict(m_job.folder, TargetGenerator::plannedFiles(m_sources, existing));
}

QString RunPlan::folder() const
{
    return OutputPaths(m_request.saveFolder, m_request.platform).appiconsetPathString();
}

int RunPlan::expectedFiles() const
{
    if (m_request.platform->isTargets())
        return 0;
    return int(m_outputs.outputs.size()) + (m_request.platform->isIconSet() ? 1 : 0);
}

GenerationReport RunPlan::run(GenerationHost &host, RunControl *control) const
{
    // One run at a time into a save folder: two at once would tear each other's sets.
    const QString saveFolder = OutputPaths(m_request.saveFolder, m_request.platform).encodingPathString();
    const Result<OutputLock> lock = OutputLock::acquire(
        saveFolder, OutputLock::defaultPatience, control != nullptr ? control->stopToken() : std::stop_token(),
        [&host, &saveFolder] { host.logLine(QStringLiteral("Waiting for another run into %1").arg(saveFolder)); });
    GenerationReport report;
    if (!lock) {
        report.folder = folder();
        report.cancelled = control != nullptr && control->isCancelled();
        if (!report.cancelled)
            report.failures.append({saveFolder, lock.error()});
        return report;
    }
    // Holding the folder, whatever a killed run left in it is known to be no one's.
    FileOutput::removeStaleTemporaries(saveFolder, lock->isExclusive() ? FileOutput::Age::Any : FileOutput::Age::Stale);
    try {
        report = m_request.platform->isTargets() ? runTargets(host, control) : runClassic(host, control);
    } catch (...) {
        // The generation reports its own failures, file by file; this is only what escapes it,
        // such as memory running out.
        report = GenerationReport();
        report.folder = folder();
        report.failures.append({report.folder, reasonOf(std::current_exception())});
        return report;
    }
    // The source's warnings first, then what the run found about what it made.
    report.warnings = sourceWarnings(m_request, report.sourceHasTransparency) + report.warnings;
    return report;
}

GenerationReport RunPlan::runClassic(GenerationHost &host, RunControl *control) const
{
    IconGenerator generator(m_request, host);
    generator.setRunControl(control);
    generator.setReplaceExistingSet(m_replace && m_existingFolder);
    GenerationReport report = generator.generate(m_request.source);
    if (m_request.platform->isIconSet())
        report.catalog = generator.contents();
    return report;
}

GenerationReport RunPlan::runTargets(GenerationHost &host, RunControl *control) const
{
    TargetJob job = m_job;
    if (m_replace)
        job.replaced = m_existingTargets;
    return TargetGenerator(host, control).generate(m_sources, job);
}

} // namespace iconsmith
