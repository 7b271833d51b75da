#pragma once

#include <QString>
#include <QUrl>

namespace iconsmith {

class GenerationHost;

/**
 * The places a generation creates, writes into and shows, derived from the save-folder text and
 * the platform choice each time they are asked for.
 *
 * The text is used literally: a "%" is an ordinary character of a folder name. Only a leading
 * "~" (alone or followed by "/") stands for the home folder. The folder that is created, the
 * folder written into and the folder shown are therefore always the same.
 */
class OutputPaths
{
public:
    explicit OutputPaths(const GenerationHost &host) : m_host(host) {}

    /** The folder name that the icon set goes into. */
    static constexpr QStringView iconSetFolderName = u"AppIcon.appiconset";

    /** The save folder: the save-folder text, with a leading "~" expanded. */
    [[nodiscard]] QString encodingPathString() const;
    /** The icon-set folder: the save folder for the scaled image set, else the save folder + "/AppIcon.appiconset". */
    [[nodiscard]] QString appiconsetPathString() const;
    /** The icon-set folder as a file URL. */
    [[nodiscard]] QUrl appiconsetPath() const;

    /** Expands a leading "~" or "~/" to the home folder; any other text is returned unchanged. */
    static QString expandHome(const QString &text);

private:
    const GenerationHost &m_host;
};

} // namespace iconsmith
