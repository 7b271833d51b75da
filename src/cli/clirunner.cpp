#include "cli/clirunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "check/iconsetcheck.h"
#include "cli/clihost.h"
#include "cli/clioptions.h"
#include "cli/jsonreport.h"
#include "cli/messagecapture.h"
#include "cli/projectcommand.h"
#include "cli/projectfile.h"
#include "cli/runoutcome.h"
#include "codec/sourceimage.h"
#include "generation/outputpaths.h"
#include "generation/runplan.h"

namespace iconsmith {

namespace {

// The status of two runs: a usage error outweighs a failure, which outweighs warnings under --strict.
int worseOf(int first, int second)
{
    const auto weight = [](int status) {
        return status == CliRunner::UsageError ? 3
               : status == CliRunner::Failure  ? 2
               : status == CliRunner::Success  ? 0
                                               : 1;
    };
    return weight(first) >= weight(second) ? first : second;
}

QString programName()
{
    return QStringLiteral("iconsmith-cli");
}

int statusOf(const RunOutcome &run, bool strict)
{
    if (!run.report.succeeded())
        return CliRunner::Failure;
    const bool warned = !run.report.warnings.isEmpty() || !run.folderWarnings.isEmpty();
    return strict && warned ? CliRunner::StrictWarnings : CliRunner::Success;
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
    const Result<CliOptions> options = CliOptions::parse(arguments);
    if (!options)
        return usageError(options.error(), arguments.contains(QStringLiteral("--json")));
    switch (options->mode) {
    case CliOptions::Mode::Help:
        m_out << options->helpText << Qt::flush;
        return Success;
    case CliOptions::Mode::Version:
        m_out << programName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return Success;
    case CliOptions::Mode::Check:
        return check(*options);
    case CliOptions::Mode::Project:
        return runProject(*options);
    case CliOptions::Mode::IntoProject:
        return ProjectCommand::run(*options, m_out, m_err);
    case CliOptions::Mode::Generate:
        break;
    }
    return finish(*options, {generate(*options, {})});
}

int CliRunner::usageError(const QString &message, bool json)
{
    m_err << programName() << ": " << printable(message) << '\n'
          << tr("Try \"%1 --help\" for more information.").arg(programName()) << Qt::endl;
    if (json)
        m_out << JsonReport::usageError(message, UsageError) << Qt::flush;
    return UsageError;
}

int CliRunner::runProject(const CliOptions &options)
{
    const Result<QList<ProjectFile::Recipe>> recipes = ProjectFile::read(options.projectFile, options.only);
    if (!recipes)
        return usageError(recipes.error(), options.json);
    const auto updatesProject = [](const ProjectFile::Recipe &recipe) {
        return recipe.options.mode == CliOptions::Mode::IntoProject;
    };
    if (options.dryRun && !std::all_of(recipes->begin(), recipes->end(), updatesProject))
        return usageError(tr("--dry-run goes with the recipes that update a project (\"project\"); choose them with "
                             "--only NAME."),
                          options.json);
    if (options.json && recipes->size() > 1 && std::any_of(recipes->begin(), recipes->end(), updatesProject))
        return usageError(tr("--json reports one project update at a time; choose its recipe with --only NAME."), true);
    QList<RunOutcome> runs;
    int projectStatus = Success;
    for (const ProjectFile::Recipe &recipe : *recipes) {
        if (updatesProject(recipe)) {
            CliOptions run = recipe.options;
            run.quiet = options.quiet;
            run.json = options.json;
            run.strict = run.strict || options.strict;
            run.dryRun = options.dryRun;
            projectStatus = worseOf(projectStatus, ProjectCommand::run(run, m_out, m_err));
            continue;
        }
        CliOptions run = recipe.options;
        run.quiet = options.quiet;
        run.json = options.json;
        run.open = options.open;
        run.strict = run.strict || options.strict;
        run.replace = options.replace;
        // The file the recipe came from is an input like its pictures: never written over.
        run.inputs << options.projectFile;
        runs.append(generate(run, recipe.name));
        if (!options.json)
            print(run, runs.last());
    }
    if (runs.isEmpty())
        return projectStatus;
    return worseOf(projectStatus, finish(options, runs));
}

RunOutcome CliRunner::generate(const CliOptions &options, const QString &recipe)
{
    RunOutcome outcome;
    outcome.recipe = recipe;
    outcome.source = options.source;
    outcome.report.folder = OutputPaths::expandHome(options.output);
    const Result<SourceImage> loaded = SourceImage::load(options.source);
    Result<RunPlan> plan =
        loaded ? RunPlan::prepare(options.request(*loaded)) : Result<RunPlan>(iconsmith::Failure{loaded.error()});
    if (!plan) {
        // The reason names the picture that could not be read, or the size that cannot be made.
        outcome.report.failures.append({options.source, plan.error()});
        outcome.status = Failure;
        return outcome;
    }
    outcome.started = true;
    if (plan->conflict().any() && !options.replace)
        outcome.folderWarnings << existingSetWarning(plan->folder(), plan->conflict().leftOvers);
    plan->setReplaceExisting(options.replace);
    CliHost host(options.open);
    {
        const MessageCapture capture(options.json);
        outcome.report = plan->run(host);
    }
    for (QString &message : MessageCapture::take())
        outcome.report.notes.append({std::move(message), std::nullopt});
    outcome.relativePaths = plan->request().platform->isTargets();
    outcome.status = statusOf(outcome, options.strict);
    return outcome;
}

void CliRunner::print(const CliOptions &options, const RunOutcome &run)
{
    const QString prefix = run.recipe.isEmpty()
                               ? programName() + QStringLiteral(": ")
                               : programName() + QStringLiteral(": ") + printable(run.recipe) + QStringLiteral(": ");
    if (!run.started) {
        // The reason names the picture that could not be read.
        for (const GenerationReport::Failure &failure : run.report.failures)
            m_err << prefix << printable(failure.reason) << '\n';
        m_err.flush();
        return;
    }
    const QList<GenerationReport::WrittenFile> written = run.report.distinctFiles();
    for (const GenerationReport::WrittenFile &file : written) {
        if (options.quiet)
            continue;
        const QString name = printable(QDir::toNativeSeparators(run.relativePaths ? run.relativePath(file.path)
                                                                                  : QFileInfo(file.path).fileName()));
        if (file.pixels.isEmpty())
            m_out << name << '\n';
        else
            m_out << name << "  " << file.pixels.width() << 'x' << file.pixels.height() << '\n';
    }
    m_out.flush();
    for (const GenerationReport::Failure &failure : run.report.failures)
        m_err << prefix << printable(QDir::toNativeSeparators(failure.path)) << ": " << printable(failure.reason)
              << '\n';
    for (const RunNote &note : run.report.notes)
        m_err << prefix << tr("note:") << ' ' << printable(CliOptions::noteText(note)) << '\n';
    for (const QString &warning : run.folderWarnings)
        m_err << prefix << tr("warning:") << ' ' << printable(warning) << '\n';
    for (const SourceWarning &warning : run.report.warnings) {
        m_err << prefix << tr("warning:") << ' ' << printable(warning.message);
        if (warning.kind == SourceWarning::Kind::TransparentMarketingIcon)
            m_err << ' ' << tr("(--background COLOR)");
        m_err << '\n';
    }
    m_err.flush();

    if (!options.quiet) {
        if (!run.recipe.isEmpty())
            m_out << printable(run.recipe) << ": ";
        const auto files = written.size();
        const QString where = printable(QDir::toNativeSeparators(run.report.folder));
        m_out << (files == 1 ? tr("Wrote 1 file to %1").arg(where) : tr("Wrote %1 files to %2").arg(files).arg(where));
        const auto problems = run.report.failures.size();
        if (problems == 0)
            m_out << ".\n";
        else
            m_out << (problems == 1 ? tr("; 1 problem, listed above.")
                                    : tr("; %1 problems, listed above.").arg(problems))
                  << '\n';
    }
    m_out.flush();
}

int CliRunner::finish(const CliOptions &options, const QList<RunOutcome> &runs)
{
    // Any failure outweighs warnings under --strict.
    int status = Success;
    for (const RunOutcome &run : runs) {
        if (run.status == Failure)
            status = Failure;
        else if (run.status == StrictWarnings && status == Success)
            status = StrictWarnings;
    }
    if (options.json)
        m_out << JsonReport::generation(runs, status) << Qt::flush;
    else if (options.mode == CliOptions::Mode::Generate)
        print(options, runs.constFirst());
    return status;
}

QString CliRunner::existingSetWarning(const QString &folder, const QStringList &leftOvers)
{
    const QString where = QDir::toNativeSeparators(folder);
    const QString text = leftOvers.isEmpty()
                             ? tr("%1/Contents.json lists images; the new one lists none.").arg(where)
                             : (leftOvers.size() == 1
                                    ? tr("%1 already holds a file the new set does not list; it stays unassigned: %2.")
                                    : tr("%1 already holds files the new set does not list; they stay unassigned: %2."))
                                   .arg(where, leftOvers.join(QStringLiteral(", ")));
    return text + u' ' + tr("(--replace writes a fresh set and moves the old one to the trash)");
}

int CliRunner::check(const CliOptions &options)
{
    const IconSetCheck::Report result = IconSetCheck::check(options.checkFolder, {options.sizeTable});
    const int status = result.passed() ? Success : Failure;
    if (options.json) {
        m_out << JsonReport::check(options.checkFolder, result, status) << Qt::flush;
        return status;
    }
    for (const IconSetCheck::Problem &problem : result.problems)
        m_out << printable(problem.file) << ": " << printable(problem.message) << '\n';
    m_out.flush();
    // Notes do not fail the check; standard output keeps one line per problem for scripts.
    if (!options.quiet) {
        for (const IconSetCheck::Problem &note : result.notes)
            m_err << programName() << ": " << tr("note:") << ' ' << printable(note.file) << ": "
                  << printable(note.message) << '\n';
        m_err.flush();
    }
    if (!options.quiet) {
        const QString folder = printable(QDir::toNativeSeparators(options.checkFolder));
        if (result.passed())
            m_out << tr("%1: %2 images, no problems.").arg(folder).arg(result.imagesChecked) << '\n';
        else
            m_out << (result.problems.size() == 1 ? tr("%1: 1 problem.").arg(folder)
                                                  : tr("%1: %2 problems.").arg(folder).arg(result.problems.size()))
                  << '\n';
    }
    m_out.flush();
    return status;
}

} // namespace iconsmith
