#include "cli/projectcommand.h"

#include <QDir>
#include <QFileInfo>

#include "cli/clihost.h"
#include "cli/clioptions.h"
#include "cli/jsonreport.h"
#include "cli/messagecapture.h"
#include "codec/sourceimage.h"
#include "generation/outputpaths.h"
#include "project/projectfinder.h"
#include "project/projectsummary.h"
#include "project/projectupdate.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// The exit statuses of CliRunner.
constexpr int succeeded = 0;
constexpr int failed = 1;
constexpr int usageError = 2;
constexpr int strictWarnings = 3;

QString programName()
{
    return u"iconsmith-cli"_s;
}

QString printable(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.category() == QChar::Other_Control ? u"\\x%1"_s.arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return out;
}

void printPlans(const QList<ProjectPlan> &plans, QTextStream &out)
{
    for (const ProjectPlan &plan : plans) {
        out << plan.title << ' ' << printable(plan.folder.isEmpty() ? u"."_s : plan.folder) << ":\n";
        for (const ProjectChange &change : plan.changes) {
            out << "  " << ProjectSummary::actionText(change.action).leftJustified(10) << ' ' << printable(change.file);
            if (!change.pixels.isEmpty())
                out << "  " << change.pixels.width() << 'x' << change.pixels.height();
            out << '\n';
        }
    }
}

int fail(const CliOptions &options, QTextStream &out, QTextStream &err, const QString &message, int status)
{
    err << programName() << ": " << printable(message) << Qt::endl;
    if (options.json)
        out << JsonReport::projectError(message, status) << Qt::flush;
    return status;
}

} // namespace

int ProjectCommand::run(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    const QString folder = OutputPaths::expandHome(options.projectFolder);
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return fail(options, out, err, tr("%1 is not a folder.").arg(QDir::toNativeSeparators(folder)), usageError);
    ProjectFinder::Found found = ProjectFinder::find(root);
    if (found.projects.empty()) {
        QString message = tr("%1 holds no app project Iconsmith knows: it looks for Android modules "
                             "(src/main/AndroidManifest.xml with src/main/res), Xcode projects (an .xcodeproj naming "
                             "an app icon set), Tauri apps (tauri.conf.json), web apps (a manifest an index.html "
                             "links), Electron apps (package.json for electron-builder), browser extensions "
                             "(manifest.json with a manifest_version), Windows app packages (Package.appxmanifest) "
                             "and Flutter's Windows runner; nothing was written.")
                              .arg(QDir::toNativeSeparators(folder));
        for (const QString &note : std::as_const(found.notes))
            message += u' ' + note;
        return fail(options, out, err, message, usageError);
    }
    const Result<SourceImage> source = SourceImage::load(options.source);
    if (!source)
        return fail(options, out, err, source.error(), failed);
    const Result<ProjectUpdate> update = ProjectUpdate::prepare(folder, std::move(found), options.request(*source));
    if (!update)
        return fail(options, out, err, update.error(), failed);

    ProjectReport report;
    {
        // A dry run makes every file too, so that it lists as unchanged what a run would leave.
        CliHost host(false);
        const MessageCapture capture(options.json);
        report = options.dryRun ? update->preview(host) : update->run(host);
    }
    for (QString &message : MessageCapture::take())
        report.notes.append({std::move(message), std::nullopt});
    const bool warned = !report.warnings.isEmpty();
    const int status = !report.succeeded() ? failed : options.strict && warned ? strictWarnings : succeeded;
    if (options.json) {
        out << JsonReport::project(folder, report, options.dryRun, status) << Qt::flush;
        return status;
    }
    if (!options.quiet || options.dryRun)
        printPlans(report.projects, out);
    out.flush();
    for (const GenerationReport::Failure &failure : report.failures)
        err << programName() << ": " << printable(QDir::toNativeSeparators(failure.path)) << ": "
            << printable(failure.reason) << '\n';
    for (const RunNote &note : report.notes)
        err << programName() << ": " << tr("note:") << ' ' << printable(CliOptions::noteText(note)) << '\n';
    for (const SourceWarning &warning : report.warnings)
        err << programName() << ": " << tr("warning:") << ' ' << printable(warning.message) << '\n';
    err.flush();
    if (!options.quiet) {
        int changed = 0;
        int projects = 0;
        for (const ProjectPlan &plan : report.projects) {
            ++projects;
            for (const ProjectChange &change : plan.changes)
                changed += change.action == ProjectChange::Action::Unchanged ? 0 : 1;
        }
        const QString where = printable(QDir::toNativeSeparators(folder));
        const QString files = changed == 1 ? tr("1 file") : tr("%1 files").arg(changed);
        const QString of = projects == 1 ? tr("1 project") : tr("%1 projects").arg(projects);
        if (options.dryRun)
            out << tr("%1 of %2 in %3 would change; nothing was changed (--dry-run).").arg(files, of, where) << '\n';
        else if (report.succeeded())
            out << tr("Changed %1 of %2 in %3.").arg(files, of, where) << '\n';
        else
            out << tr("Nothing in %1 was changed; the problems are listed above.").arg(where) << '\n';
    }
    out.flush();
    return status;
}

} // namespace iconsmith
