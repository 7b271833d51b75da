#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "generation/generationhost.h"

namespace iconsmith {

/**
 * The window's choices frozen at one moment, for a generation that runs on another thread:
 * the generation reads them "at the moment of each call" as it reads any host, but they no
 * longer follow the widgets, which only the GUI thread may touch. What the generation asks of
 * the desktop (show a folder, log a line) is handed to forwarding functions, which pass it
 * back to the GUI thread.
 *
 * Its values never change after it is made, so several threads may read it at once.
 */
class HostSnapshot : public GenerationHost
{
public:
    using Forward = std::function<void(const QString &)>;

    /** Every value @p live answers now. */
    static HostSnapshot of(const GenerationHost &live);

    [[nodiscard]] int platformChoice() const override { return m_platformChoice; }
    [[nodiscard]] QString saveFolderText() const override { return m_saveFolderText; }
    [[nodiscard]] bool isRoundedCornerOn() const override { return m_rounded; }
    [[nodiscard]] bool isZoomInOn() const override { return m_zoomIn; }
    [[nodiscard]] double backingScaleFactor() const override { return m_scaleFactor; }
    [[nodiscard]] std::optional<RgbColor> backgroundColor() const override { return m_background; }

    /** Sends folders to show to @p showFolder and log lines to @p logLine; without them both are dropped. */
    void setForwarding(Forward showFolder, Forward logLine);
    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

private:
    int m_platformChoice = -1;
    QString m_saveFolderText;
    bool m_rounded = false;
    bool m_zoomIn = true;
    double m_scaleFactor = 1.0;
    std::optional<RgbColor> m_background;
    Forward m_showFolder;
    Forward m_logLine;
};

} // namespace iconsmith
