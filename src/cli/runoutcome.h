#pragma once

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include "generation/generationreport.h"

namespace iconsmith {

/** What one generation of the command line came to: a command line's, or one recipe's of a project file. */
struct RunOutcome
{
    /** The project file's recipe; empty for a file that is one recipe and for a command line. */
    QString recipe;
    QString source;
    /** What was written, what failed and the warnings about the source; a picture that could not be read is a
     * failure here too. */
    GenerationReport report;
    /** Warnings about the folder written into (files of an earlier set left unlisted). */
    QStringList folderWarnings;
    /** False when a picture could not be read, so nothing was attempted. */
    bool started = false;
    /** Whether files are named relative to the folder (targets write into sub-folders) or by their names. */
    bool relativePaths = false;
    /** The exit status of this run alone. */
    int status = 0;

    /** @p path relative to the folder the files went to. */
    [[nodiscard]] QString relativePath(const QString &path) const
    {
        // QDir answers a relative path unchanged, so both are made absolute first.
        return QDir(QFileInfo(report.folder).absoluteFilePath()).relativeFilePath(QFileInfo(path).absoluteFilePath());
    }
};

} // namespace iconsmith
