#include "generation/outputpaths.h"

#include <QDir>

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
    return expandHome(m_saveFolderText);
}

QString OutputPaths::appiconsetPathString() const
{
    QString saveFolder = encodingPathString();
    if (m_platform && !m_platform->isIconSet())
        return saveFolder;
    return saveFolder + u'/' + iconSetFolderName.toString();
}

QUrl OutputPaths::appiconsetPath() const
{
    return QUrl::fromLocalFile(appiconsetPathString());
}

} // namespace iconsmith
