#include "fileoutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace iconsmith {

std::optional<QString> FileOutput::createFolder(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("No folder was given");
    std::error_code error;
    const std::filesystem::path folder(QFile::encodeName(path).toStdString());
    std::filesystem::create_directories(folder, error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    if (!std::filesystem::is_directory(folder, error))
        return QStringLiteral("A file of that name is in the way");
    return std::nullopt;
}

std::optional<QString> FileOutput::writeAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return QStringLiteral("A folder of that name is in the way");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace iconsmith
