#pragma once

#include <QString>
#include <QUrl>

#include <array>
#include <optional>

#include "generation/platform.h"

namespace iconsmith {

/**
 * The places a generation creates, writes into and shows, derived from the save-folder text and
 * the platform.
 *
 * The text is used literally: a "%" is an ordinary character of a folder name. Only a leading
 * "~" (alone or followed by "/") stands for the home folder. The folder that is created, the
 * folder written into and the folder shown are therefore always the same.
 */
class OutputPaths
{
public:
    OutputPaths(QString saveFolderText, std::optional<Platform> platform)
        : m_saveFolderText(std::move(saveFolderText)), m_platform(platform)
    {}

    /** The folder name that the icon set goes into. */
    static constexpr QStringView iconSetFolderName = u"AppIcon.appiconset";
    /** The names (without ".png") of the scaled image set's files, @1x to @3x. */
    static constexpr std::array<QStringView, 3> scaledImageNames{u"Image", u"Image@2x", u"Image@3x"};

    /** The save folder: the save-folder text, with a leading "~" expanded. */
    [[nodiscard]] QString encodingPathString() const;
    /**
     * The icon-set folder: the save folder + "/AppIcon.appiconset"; for the scaled image set and
     * the targets, which write into the save folder, the save folder itself.
     */
    [[nodiscard]] QString appiconsetPathString() const;
    /** The icon-set folder as a file URL. */
    [[nodiscard]] QUrl appiconsetPath() const;

    /** Expands a leading "~" or "~/" to the home folder; any other text is returned unchanged. */
    static QString expandHome(const QString &text);

private:
    QString m_saveFolderText;
    std::optional<Platform> m_platform;
};

} // namespace iconsmith
