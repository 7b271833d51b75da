#include "cli/clirunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "catalog/iconsetcheck.h"
#include "cli/clihost.h"
#include "cli/clioptions.h"
#include "codec/sourceimage.h"
#include "generation/icongenerator.h"
#include "generation/outputpaths.h"
#include "generation/sourcecheck.h"
#include "generation/targetgenerator.h"

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
    if (!options.targets.isEmpty())
        return generateTargets(options, source, host);

    IconGenerator generator(host, options.sizeTable);
    const GenerationReport report = generator.generate(source);
    const QList<SourceWarning> warnings =
        SourceCheck::check({source.size(), report.sourceHasTransparency, source.isVector()}, generator.outputPlan());
    return finish(options, report, warnings, false);
}

int CliRunner::generateTargets(const CliOptions &options, const SourceImage &source, CliHost &host)
{
    TargetSources sources{source, {}};
    for (auto it = options.otherSources.begin(); it != options.otherSources.end(); ++it) {
        const Result<SourceImage> picture = SourceImage::load(it.value());
        if (!picture) {
            m_err << programName() << ": " << picture.error() << Qt::endl;
            return Failure;
        }
        sources.others.insert(it.key(), *picture);
    }
    const TargetJob job{OutputPaths::expandHome(options.output), options.targets, options.targetOptions};
    const GenerationReport report = TargetGenerator(host).generate(sources, job);
    // Every target has a 1024-pixel image, and no image is stretched.
    OutputPlan plan;
    plan.outputs.append({QStringLiteral("AppIcon"), QSize(1024, 1024)});
    plan.stretched = false;
    const QList<SourceWarning> warnings =
        SourceCheck::check({source.size(), report.sourceHasTransparency, source.isVector()}, plan);
    return finish(options, report, warnings, true);
}

int CliRunner::finish(const CliOptions &options, const GenerationReport &report, const QList<SourceWarning> &warnings,
                      bool relativePaths)
{
    const QList<GenerationReport::WrittenFile> written = report.distinctFiles();
    const QDir folder(report.folder);
    for (const GenerationReport::WrittenFile &file : written) {
        if (options.quiet)
            continue;
        const QString name = QDir::toNativeSeparators(relativePaths ? folder.relativeFilePath(file.path)
                                                                    : QFileInfo(file.path).fileName());
        if (file.pixels.isEmpty())
            m_out << name << '\n';
        else
            m_out << name << "  " << file.pixels.width() << 'x' << file.pixels.height() << '\n';
    }
    for (const GenerationReport::Failure &failure : report.failures)
        m_err << programName() << ": " << QDir::toNativeSeparators(failure.path) << ": " << failure.reason << '\n';
    for (const QString &note : report.notes)
        m_err << programName() << ": " << tr("note:") << ' ' << note << '\n';
    for (const SourceWarning &warning : warnings) {
        m_err << programName() << ": " << tr("warning:") << ' ' << warning.message;
        if (warning.kind == SourceWarning::Kind::TransparentMarketingIcon)
            m_err << ' ' << tr("(--background COLOR)");
        m_err << '\n';
    }
    m_err.flush();

    if (!options.quiet) {
        const auto files = written.size();
        const QString where = QDir::toNativeSeparators(report.folder);
        m_out << (files == 1 ? tr("Wrote 1 file to %1").arg(where) : tr("Wrote %1 files to %2").arg(files).arg(where));
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
    return options.strict && !warnings.isEmpty() ? StrictWarnings : Success;
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
