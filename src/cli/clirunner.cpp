#include "cli/clirunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "catalog/iconsetcheck.h"
#include "cli/clihost.h"
#include "cli/clioptions.h"
#include "codec/sourceimage.h"
#include "generation/existingset.h"
#include "generation/icongenerator.h"
#include "generation/platform.h"
#include "generation/runcontrol.h"
#include "generation/sourcecheck.h"

namespace iconsmith {

namespace {

QString programName()
{
    return QStringLiteral("iconsmith-cli");
}

} // namespace

CliRunner::CliRunner(FILE *out, FILE *err) : m_out(out), m_err(err) {}

int CliRunner::run(const QStringList &arguments)
{
    QString error;
    const std::optional<CliOptions> options = CliOptions::parse(arguments, &error);
    if (!options) {
        m_err << programName() << ": " << error << '\n'
              << tr("Try \"%1 --help\" for more information.").arg(programName()) << Qt::endl;
        return UsageError;
    }
    switch (options->mode) {
    case CliOptions::Mode::Help:
        m_out << options->helpText << Qt::flush;
        return Success;
    case CliOptions::Mode::Version:
        m_out << programName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return Success;
    case CliOptions::Mode::Check:
        return check(*options);
    case CliOptions::Mode::Generate:
        break;
    }
    return generate(*options);
}

int CliRunner::generate(const CliOptions &options)
{
    const Result<SourceImage> loaded = SourceImage::load(options.source);
    if (!loaded) {
        m_err << programName() << ": " << loaded.error() << Qt::endl;
        return Failure;
    }
    const SourceImage &source = *loaded;

    CliHost host(options);
    IconGenerator generator(host, options.sizeTable);
    const OutputPlan plan = generator.outputPlan(source.size());
    // Sizes that cannot be made fail before anything is written, not halfway through.
    for (const SourceWarning &warning : SourceCheck::check({source.size(), false, source.isVector()}, plan)) {
        if (warning.kind == SourceWarning::Kind::TooLarge) {
            m_err << programName() << ": " << warning.message << Qt::endl;
            return Failure;
        }
    }

    RunControl control;
    bool existingSetWarned = false;
    if (const std::optional<Platform> platform = Platform::fromChoice(options.platform);
        platform && !platform->isScaledImageSet()) {
        const ExistingSet existing = ExistingSet::read(generator.appiconsetPathString());
        control.setReplaceExistingSet(options.replace && existing.exists());
        const ExistingSet::Conflict conflict = existing.conflictWith(ExistingSet::fileNames(plan));
        if (conflict.any() && !options.replace) {
            warnAboutExistingSet(existing.folder(), conflict.leftOvers);
            existingSetWarned = true;
        }
    }
    generator.setRunControl(&control);
    const GenerationReport report = generator.generate(source);

    const QList<GenerationReport::WrittenFile> written = report.distinctFiles();
    const auto files = written.size();
    for (const GenerationReport::WrittenFile &file : written) {
        if (options.quiet)
            continue;
        const QString name = QDir::toNativeSeparators(QFileInfo(file.path).fileName());
        if (file.pixels.isEmpty())
            m_out << name << '\n';
        else
            m_out << name << "  " << file.pixels.width() << 'x' << file.pixels.height() << '\n';
    }
    for (const GenerationReport::Failure &failure : report.failures)
        m_err << programName() << ": " << QDir::toNativeSeparators(failure.path) << ": " << failure.reason << '\n';
    const QList<SourceWarning> warnings =
        SourceCheck::check({source.size(), report.sourceHasTransparency, source.isVector()}, generator.outputPlan());
    for (const SourceWarning &warning : warnings) {
        m_err << programName() << ": " << tr("warning:") << ' ' << warning.message;
        if (warning.kind == SourceWarning::Kind::TransparentMarketingIcon)
            m_err << ' ' << tr("(--background COLOR)");
        m_err << '\n';
    }
    m_err.flush();

    if (!options.quiet) {
        const QString folder = QDir::toNativeSeparators(report.folder);
        m_out << (files == 1 ? tr("Wrote 1 file to %1").arg(folder)
                             : tr("Wrote %1 files to %2").arg(files).arg(folder));
        const auto problems = report.failures.size();
        if (problems == 0)
            m_out << ".\n";
        else
            m_out << (problems == 1 ? tr("; 1 problem, listed above.")
                                    : tr("; %1 problems, listed above.").arg(problems))
                  << '\n';
    }
    m_out.flush();
    if (!report.succeeded())
        return Failure;
    return options.strict && (!warnings.isEmpty() || existingSetWarned) ? StrictWarnings : Success;
}

void CliRunner::warnAboutExistingSet(const QString &folder, const QStringList &leftOvers)
{
    const QString where = QDir::toNativeSeparators(folder);
    m_err << programName() << ": " << tr("warning:") << ' ';
    if (!leftOvers.isEmpty())
        m_err << (leftOvers.size() == 1
                      ? tr("%1 already holds a file the new set does not list; it stays unassigned: %2.")
                      : tr("%1 already holds files the new set does not list; they stay unassigned: %2."))
                     .arg(where, leftOvers.join(QStringLiteral(", ")));
    else
        m_err << tr("%1/Contents.json lists images; the new one lists none.").arg(where);
    m_err << ' ' << tr("(--replace writes a fresh set and moves the old one to the trash)") << Qt::endl;
}

int CliRunner::check(const CliOptions &options)
{
    const IconSetCheck::Report result = IconSetCheck::check(options.checkFolder);
    for (const IconSetCheck::Problem &problem : result.problems)
        m_out << problem.file << ": " << problem.message << '\n';
    if (!options.quiet) {
        const QString folder = QDir::toNativeSeparators(options.checkFolder);
        if (result.passed())
            m_out << tr("%1: %2 images, no problems.").arg(folder).arg(result.imagesChecked) << '\n';
        else
            m_out << (result.problems.size() == 1 ? tr("%1: 1 problem.").arg(folder)
                                                  : tr("%1: %2 problems.").arg(folder).arg(result.problems.size()))
                  << '\n';
    }
    m_out.flush();
    return result.passed() ? Success : Failure;
}

} // namespace iconsmith
