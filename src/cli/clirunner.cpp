#include "cli/clirunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "catalog/iconsetcheck.h"
#include "cli/clihost.h"
#include "cli/clioptions.h"
#include "codec/sourceimage.h"
#include "generation/icongenerator.h"
#include "generation/sourcecheck.h"

namespace iconsmith {

namespace {

QString programName()
{
    return QStringLiteral("iconsmith-cli");
}

// Names from a size table or a Contents.json can hold any character; printed as they are, a NUL
// or an escape sequence would garble the terminal or rewrite what it shows.
QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
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
        m_err << programName() << ": " << printable(loaded.error()) << Qt::endl;
        return Failure;
    }
    const SourceImage &source = *loaded;

    CliHost host(options);
    IconGenerator generator(host, options.sizeTable);
    const GenerationReport report = generator.generate(source);

    const QList<GenerationReport::WrittenFile> written = report.distinctFiles();
    const auto files = written.size();
    for (const GenerationReport::WrittenFile &file : written) {
        if (options.quiet)
            continue;
        const QString name = printable(QDir::toNativeSeparators(QFileInfo(file.path).fileName()));
        if (file.pixels.isEmpty())
            m_out << name << '\n';
        else
            m_out << name << "  " << file.pixels.width() << 'x' << file.pixels.height() << '\n';
    }
    for (const GenerationReport::Failure &failure : report.failures)
        m_err << programName() << ": " << printable(QDir::toNativeSeparators(failure.path)) << ": "
              << printable(failure.reason) << '\n';
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
    return options.strict && !warnings.isEmpty() ? StrictWarnings : Success;
}

int CliRunner::check(const CliOptions &options)
{
    const IconSetCheck::Report result = IconSetCheck::check(options.checkFolder);
    for (const IconSetCheck::Problem &problem : result.problems)
        m_out << printable(problem.file) << ": " << printable(problem.message) << '\n';
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
