#pragma once

#include <QByteArray>
#include <QString>

#include "common/result.h"

namespace iconsmith {

/** Folder creation and atomic file writes, each answering with the system's reason when it fails. */
class FileOutput
{
public:
    /** Creates a folder with any missing parents; an existing folder is fine. */
    static Result<void> createFolder(const QString &path);
    /**
     * Writes @p bytes to @p path through a temporary file in the same folder that then takes the
     * place of any file of that name, so a reader never sees half a file and a failed write
     * leaves the old file intact.
     */
    static Result<void> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace iconsmith
