#include "generation/outputpaths.h"

#include <QDir>

#include "generation/generationhost.h"
#include "generation/platform.h"

namespace iconsmith {

QString OutputPaths::expandHome(const QString &text)
{
    if (text == u"~")
        return QDir::homePath();
    if (text.startsWith(u"~/"))
        return QDir::homePath() + text.mid(1);
    return text;
}

QString OutputPaths::encodingPathString() const
{
    return expandHome(m_host.saveFolderText());
}

QString OutputPaths::appiconsetPathString() const
{
    QString saveFolder = encodingPathString();
    if (const std::optional<Platform> platform = Platform::fromChoice(m_host.platformChoice());
        platform && platform->isScaledImageSet())
        return saveFolder;
    return saveFolder + u'/' + iconSetFolderName.toString();
}

QUrl OutputPaths::appiconsetPath() const
{
    return QUrl::fromLocalFile(appiconsetPathString());
}

} // namespace iconsmith
