#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <optional>

namespace iconsmith {

class CheckScope;

/**
 * Checks the visual assets of an MSIX/AppX package as Windows' resource system picks them: in
 * the Assets folder (or the folder itself when it is one), every PNG qualified with a scale
 * (`Square150x150Logo.scale-200.png`) measures the logo's size at that scale, and every target
 * size of the app icon (`Square44x44Logo.targetsize-24_altform-unplated.png`) measures that many
 * pixels; a target size without an unplated variant is noted (the taskbar puts it on a plate). Each
 * logo VisualElements.xml or Package.appxmanifest names has a file, plain or qualified.
 */
class WindowsAssetsCheck
{
    Q_DECLARE_TR_FUNCTIONS(WindowsAssetsCheck)

public:
    /** Checks the folder of @p scope. */
    static void check(CheckScope &scope);
    /** Whether a folder holding @p files and @p folders, named @p name, holds a package's visual assets. */
    static bool isAssetsFolder(const QString &name, const QStringList &files, const QStringList &folders);

    /** The size at scale 100 of the logo @p name ("Square150x150Logo", "StoreLogo"); none for an unknown one. */
    static std::optional<QSize> baseSize(const QString &name);
};

} // namespace iconsmith
