#include "app/hostsnapshot.h"

namespace iconsmith {

HostSnapshot HostSnapshot::of(const GenerationHost &live)
{
    HostSnapshot snapshot;
    snapshot.m_platformChoice = live.platformChoice();
    snapshot.m_saveFolderText = live.saveFolderText();
    snapshot.m_rounded = live.isRoundedCornerOn();
    snapshot.m_zoomIn = live.isZoomInOn();
    snapshot.m_scaleFactor = live.backingScaleFactor();
    snapshot.m_background = live.backgroundColor();
    return snapshot;
}

void HostSnapshot::setForwarding(Forward showFolder, Forward logLine)
{
    m_showFolder = std::move(showFolder);
    m_logLine = std::move(logLine);
}

void HostSnapshot::showFolder(const QString &folder)
{
    if (m_showFolder)
        m_showFolder(folder);
}

void HostSnapshot::logLine(const QString &line)
{
    if (m_logLine)
        m_logLine(line);
}

} // namespace iconsmith
