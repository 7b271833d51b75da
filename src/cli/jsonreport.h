#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "check/iconsetcheck.h"
#include "cli/runoutcome.h"
#include "project/projectupdate.h"

namespace iconsmith {

/**
 * The documents --json prints: one JSON object per invocation, with "version" 1 and the exit
 * "status", so that scripts and editors read results instead of lines meant for people. The
 * README describes every field.
 */
class JsonReport
{
public:
    /** The files written, warnings, notes and failures of every run. */
    static QByteArray generation(const QList<RunOutcome> &runs, int status);
    /** The problems the check of the icon set in @p folder found. */
    static QByteArray check(const QString &folder, const IconSetCheck::Report &report, int status);
    /** What --project changed, or with @p dryRun would change, in @p folder. */
    static QByteArray project(const QString &folder, const ProjectReport &report, bool dryRun, int status);
    /** A --project run that could not start: no project in the folder, a picture that cannot be read. */
    static QByteArray projectError(const QString &message, int status);
    /** A usage error: the command line or the project file could not be used. */
    static QByteArray usageError(const QString &message, int status);
};

} // namespace iconsmith
