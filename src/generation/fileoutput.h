#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace iconsmith {

/** Folder creation and atomic file writes, each answering with the system's reason when it fails. */
class FileOutput
{
public:
    /** Creates a folder with any missing parents; an existing folder is fine. Returns the reason on failure. */
    static std::optional<QString> createFolder(const QString &path);
    /**
     * Writes @p bytes to @p path through a temporary file in the same folder that then takes the
     * place of any file of that name, so a reader never sees half a file and a failed write
     * leaves the old file intact. Returns the reason on failure.
     */
    static std::optional<QString> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace iconsmith
