#include "check/windowsassetscheck.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression &qualifiedName()
{
    // Name.scale-200.png, Name.targetsize-24_altform-unplated.png
    static const QRegularExpression pattern(
        u"^([A-Za-z0-9]+)\\.(scale|targetsize)-([0-9]{1,4})(_altform-[a-z]+)?\\.png$"_s,
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QStringList &manifests()
{
    static const QStringList names{u"VisualElements.xml"_s, u"Package.appxmanifest"_s};
    return names;
}

QSize atScale(QSize base, int scale)
{
    return {int(std::lround(base.width() * scale / 100.0)), int(std::lround(base.height() * scale / 100.0))};
}

// The logos a manifest names under Assets ("Assets\Square150x150Logo.png" is "Square150x150Logo").
QStringList namedLogos(const QByteArray &xml)
{
    static const QRegularExpression value(u"=\"Assets[\\\\/]([A-Za-z0-9]+)\\.png\""_s);
    QStringList logos;
    for (auto it = value.globalMatch(QString::fromUtf8(xml)); it.hasNext();)
        logos << it.next().captured(1);
    return logos;
}

// One check of one assets folder: the logos found, by name.
class AssetsCheck
{
public:
    AssetsCheck(CheckScope &scope, QString assets) : m_scope(scope), m_assets(std::move(assets)) {}

    void checkFiles();
    void checkManifest(const QString &manifest);
    [[nodiscard]] bool empty() const { return m_logos.isEmpty(); }

private:
    void checkFile(const QString &file, const QRegularExpressionMatch &match);

    CheckScope &m_scope;
    QString m_assets;
    QSet<QString> m_logos;
    QSet<int> m_targetSizes;
    QSet<int> m_unplated;
};

void AssetsCheck::checkFile(const QString &file, const QRegularExpressionMatch &match)
{
    const QString relative = m_assets.isEmpty() ? file : m_assets + u'/' + file;
    const QString logo = match.captured(1);
    const int value = match.captured(3).toInt();
    m_logos.insert(logo.toLower());
    if (match.captured(2).toLower() == u"targetsize") {
        m_targetSizes.insert(value);
        if (match.captured(4).contains(u"unplated"))
            m_unplated.insert(value);
        m_scope.measure(relative, QSize(value, value), WindowsAssetsCheck::tr("the target size %1").arg(value));
        return;
    }
    const std::optional<QSize> base = WindowsAssetsCheck::baseSize(logo);
    if (!base) {
        m_scope.countImages();
        if (const Result<CheckedImage> image = m_scope.image(relative); !image)
            m_scope.problem(relative, image.error());
        return;
    }
    m_scope.measure(relative, atScale(*base, value), WindowsAssetsCheck::tr("%1 at scale %2").arg(logo).arg(value));
}

void AssetsCheck::checkFiles()
{
    for (const QString &file : m_scope.entries(m_assets, CheckScope::Entries::Files)) {
        if (const QRegularExpressionMatch match = qualifiedName().match(file); match.hasMatch())
            checkFile(file, match);
        else if (file.endsWith(u".png", Qt::CaseInsensitive))
            m_logos.insert(file.section(u'.', 0, 0).toLower());
    }
    for (const int size : m_targetSizes) {
        if (!m_unplated.contains(size))
            m_scope.note(m_assets, WindowsAssetsCheck::tr("has the app icon at the target size %1 without an "
                                                          "_altform-unplated variant; the taskbar shows it on a plate")
                                       .arg(size));
    }
}

void AssetsCheck::checkManifest(const QString &manifest)
{
    const Result<QByteArray> bytes = m_scope.read(manifest, InputLimits::maxDocumentBytes);
    if (!bytes) {
        m_scope.problem(manifest, bytes.error());
        return;
    }
    for (const QString &logo : namedLogos(*bytes)) {
        if (!m_logos.contains(logo.toLower()))
            m_scope.problem(manifest,
                            WindowsAssetsCheck::tr("names Assets\\%1.png, but the folder has no file of it").arg(logo));
    }
}

} // namespace

std::optional<QSize> WindowsAssetsCheck::baseSize(const QString &name)
{
    static const QHash<QString, QSize> known{{u"storelogo"_s, {50, 50}},   {u"splashscreen"_s, {620, 300}},
                                             {u"badgelogo"_s, {24, 24}},   {u"smalltile"_s, {71, 71}},
                                             {u"largetile"_s, {310, 310}}, {u"square30x30logo"_s, {30, 30}}};
    if (const auto found = known.constFind(name.toLower()); found != known.cend())
        return *found;
    static const QRegularExpression sized(u"^(?:Square|Wide)([0-9]{1,4})x([0-9]{1,4})Logo$"_s,
                                          QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = sized.match(name); match.hasMatch())
        return QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return std::nullopt;
}

bool WindowsAssetsCheck::isAssetsFolder(const QString &name, const QStringList &files, const QStringList &folders)
{
    if (std::any_of(manifests().cbegin(), manifests().cend(),
                    [&files](const QString &manifest) { return files.contains(manifest); }))
        return folders.contains(u"Assets"_s) || name == u"Assets";
    return name == u"Assets" && std::any_of(files.cbegin(), files.cend(),
                                            [](const QString &file) { return qualifiedName().match(file).hasMatch(); });
}

void WindowsAssetsCheck::check(CheckScope &scope)
{
    scope.found(u"windows-assets"_s);
    const bool holdsAssets = scope.exists(u"Assets"_s);
    AssetsCheck assets(scope, holdsAssets ? u"Assets"_s : QString());
    assets.checkFiles();
    if (assets.empty())
        scope.problem(holdsAssets ? u"Assets"_s : QString(), tr("holds no logo"));
    for (const QString &manifest : manifests()) {
        if (scope.exists(manifest))
            assets.checkManifest(manifest);
    }
}

} // namespace iconsmith
