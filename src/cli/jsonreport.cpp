#include "cli/jsonreport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/clioptions.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

constexpr int schemaVersion = 1;

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QString warningKind(SourceWarning::Kind kind)
{
    switch (kind) {
    case SourceWarning::Kind::TransparentMarketingIcon:
        return u"transparent-marketing-icon"_s;
    case SourceWarning::Kind::Enlarged:
        return u"enlarged"_s;
    case SourceWarning::Kind::NotSquare:
        return u"not-square"_s;
    case SourceWarning::Kind::TooLarge:
        return u"too-large"_s;
    case SourceWarning::Kind::HardToSee:
        return u"hard-to-see"_s;
    }
    return u"other"_s;
}

QJsonObject fileObject(const GenerationReport::WrittenFile &file, const RunOutcome &run)
{
    const bool image = !file.pixels.isEmpty();
    const QJsonValue none(QJsonValue::Null);
    return {
        {u"path"_s, file.path},
        {u"file"_s, run.relativePath(file.path)},
        {u"width"_s, image ? QJsonValue(file.pixels.width()) : none},
        {u"height"_s, image ? QJsonValue(file.pixels.height()) : none},
        {u"alpha"_s, image ? QJsonValue(file.alpha) : none},
        // The file as it is now; it was renamed into place a moment ago.
        {u"bytes"_s, QJsonValue(double(QFileInfo(file.path).size()))},
    };
}

QJsonObject runObject(const RunOutcome &run)
{
    QJsonArray files;
    for (const GenerationReport::WrittenFile &file : run.report.distinctFiles())
        files.append(fileObject(file, run));
    QJsonArray warnings;
    for (const SourceWarning &warning : run.report.warnings)
        warnings.append(QJsonObject{{u"kind"_s, warningKind(warning.kind)}, {u"message"_s, warning.message}});
    for (const QString &warning : run.folderWarnings)
        warnings.append(QJsonObject{{u"kind"_s, u"existing-set"_s}, {u"message"_s, warning}});
    QJsonArray notes;
    for (const RunNote &note : run.report.notes)
        notes.append(QJsonObject{{u"message"_s, CliOptions::noteText(note)}});
    QJsonArray failures;
    for (const GenerationReport::Failure &failure : run.report.failures)
        failures.append(QJsonObject{{u"path"_s, failure.path}, {u"message"_s, failure.reason}});
    return {
        {u"recipe"_s, textOrNull(run.recipe)},
        {u"source"_s, run.source},
        {u"folder"_s, run.report.folder},
        {u"status"_s, run.status},
        {u"files"_s, files},
        {u"warnings"_s, warnings},
        {u"notes"_s, notes},
        {u"failures"_s, failures},
    };
}

QByteArray toBytes(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray JsonReport::generation(const QList<RunOutcome> &runs, int status)
{
    QJsonArray list;
    for (const RunOutcome &run : runs)
        list.append(runObject(run));
    return toBytes(
        {{u"version"_s, schemaVersion}, {u"command"_s, u"generate"_s}, {u"status"_s, status}, {u"runs"_s, list}});
}

QByteArray JsonReport::check(const QString &folder, const IconSetCheck::Report &report, int status)
{
    const auto list = [](const QList<IconSetCheck::Problem> &items) {
        QJsonArray array;
        for (const IconSetCheck::Problem &item : items)
            array.append(QJsonObject{{u"file"_s, item.file}, {u"message"_s, item.message}});
        return array;
    };
    QJsonArray found;
    for (const CheckReport::Found &item : report.found)
        found.append(QJsonObject{{u"path"_s, item.path}, {u"kind"_s, item.kind}});
    return toBytes({{u"version"_s, schemaVersion},
                    {u"command"_s, u"check"_s},
                    {u"status"_s, status},
                    {u"folder"_s, folder},
                    {u"imagesChecked"_s, report.imagesChecked},
                    {u"problems"_s, list(report.problems)},
                    {u"notes"_s, list(report.notes)},
                    {u"checked"_s, found}});
}

QByteArray JsonReport::project(const QString &folder, const ProjectReport &report, bool dryRun, int status)
{
    const QJsonValue none(QJsonValue::Null);
    QJsonArray projects;
    for (const ProjectPlan &plan : report.projects) {
        QJsonArray changes;
        for (const ProjectChange &change : plan.changes) {
            const bool image = !change.pixels.isEmpty();
            changes.append(QJsonObject{{u"action"_s, ProjectChange::actionName(change.action)},
                                       {u"file"_s, change.file},
                                       {u"path"_s, QDir(folder).filePath(change.file)},
                                       {u"width"_s, image ? QJsonValue(change.pixels.width()) : none},
                                       {u"height"_s, image ? QJsonValue(change.pixels.height()) : none}});
        }
        projects.append(QJsonObject{
            {u"kind"_s, plan.kind}, {u"title"_s, plan.title}, {u"folder"_s, plan.folder}, {u"changes"_s, changes}});
    }
    QJsonArray warnings;
    for (const SourceWarning &warning : report.warnings)
        warnings.append(QJsonObject{{u"kind"_s, warningKind(warning.kind)}, {u"message"_s, warning.message}});
    QJsonArray notes;
    for (const RunNote &note : report.notes)
        notes.append(QJsonObject{{u"message"_s, CliOptions::noteText(note)}});
    QJsonArray failures;
    for (const GenerationReport::Failure &failure : report.failures)
        failures.append(QJsonObject{{u"path"_s, failure.path}, {u"message"_s, failure.reason}});
    return toBytes({{u"version"_s, schemaVersion},
                    {u"command"_s, u"project"_s},
                    {u"status"_s, status},
                    {u"folder"_s, folder},
                    {u"dryRun"_s, dryRun},
                    {u"projects"_s, projects},
                    {u"warnings"_s, warnings},
                    {u"notes"_s, notes},
                    {u"failures"_s, failures}});
}

QByteArray JsonReport::projectError(const QString &message, int status)
{
    return toBytes(
        {{u"version"_s, schemaVersion}, {u"command"_s, u"project"_s}, {u"status"_s, status}, {u"error"_s, message}});
}

QByteArray JsonReport::usageError(const QString &message, int status)
{
    return toBytes({{u"version"_s, schemaVersion},
                    {u"command"_s, QJsonValue(QJsonValue::Null)},
                    {u"status"_s, status},
                    {u"error"_s, message}});
}

} // namespace iconsmith
