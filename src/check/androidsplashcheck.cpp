#include "check/androidsplashcheck.h"

#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>

#include "check/androidxml.h"
#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// Density qualifiers and their pixels per dp, times two (hdpi is 1.5).
constexpr std::pair<QStringView, int> densities[] = {
    {u"mdpi", 2}, {u"hdpi", 3}, {u"xhdpi", 4}, {u"xxhdpi", 6}, {u"xxxhdpi", 8}};

// Twice the pixels per dp of a folder's qualifiers ("drawable-night-xxhdpi"); 0 without a density.
int doubledDensity(const QString &folder)
{
    for (const QString &qualifier : folder.split(u'-')) {
        for (const auto &[name, doubled] : densities) {
            if (qualifier == name)
                return doubled;
        }
    }
    return 0;
}

// Whether a folder serves every device: no qualifier but a density ("drawable", "drawable-hdpi"),
// which the system scales from; a resource only in "values-night" fails in the light.
bool servesEveryDevice(const QString &folder)
{
    const QStringList qualifiers = folder.split(u'-').mid(1);
    return std::all_of(qualifiers.cbegin(), qualifiers.cend(), [](const QString &qualifier) {
        return qualifier == u"nodpi" || qualifier == u"anydpi" || doubledDensity(qualifier) != 0;
    });
}

// A reference found in a file, and the theme item it stands in (empty outside a theme).
struct Found
{
    QString file;
    AndroidXml::Reference reference;
    QString item;
};

// The references a values file's style items hold ("<item name=...>@drawable/x</item>").
QList<Found> themeReferences(const QString &file, const QByteArray &xml)
{
    QList<Found> found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"item")
            continue;
        const QString item = reader.attributes().value(u"name"_s).toString();
        const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        if (const std::optional<AndroidXml::Reference> reference = AndroidXml::reference(text, u"item"_s, item))
            found.append({file, *reference, item});
    }
    return found;
}

class SplashResources
{
public:
    SplashResources(CheckScope &scope, QString res) : m_scope(scope), m_res(std::move(res)) {}

    void read();
    void checkReferences();
    void checkIconSizes();

private:
    [[nodiscard]] bool resolves(const AndroidXml::Reference &reference) const;
    [[nodiscard]] QString path(const QString &folder, const QString &file = {}) const
    {
        return m_res + u'/' + folder + (file.isEmpty() ? QString() : u'/' + file);
    }

    CheckScope &m_scope;
    QString m_res;
    // Folder by folder, the files of the drawable and mipmap folders.
    QList<std::pair<QString, QStringList>> m_pictureFolders;
    QSet<QString> m_colours;
    QList<Found> m_references;
};

void SplashResources::read()
{
    for (const QString &folder : m_scope.entries(m_res, CheckScope::Entries::Folders)) {
        const QStringList files = m_scope.entries(path(folder), CheckScope::Entries::Files);
        if (folder.startsWith(u"drawable") || folder.startsWith(u"mipmap"))
            m_pictureFolders.append({folder, files});
        for (const QString &file : files) {
            if (!file.endsWith(u".xml"))
                continue;
            const Result<QByteArray> xml = m_scope.read(path(folder, file), InputLimits::maxDocumentBytes);
            if (!xml) {
                m_scope.problem(path(folder, file), xml.error());
                continue;
            }
            if (folder.startsWith(u"values")) {
                for (const auto &[type, name] : AndroidXml::readValues(*xml).declared) {
                    if (type == u"color" && servesEveryDevice(folder))
                        m_colours.insert(name);
                }
                m_references << themeReferences(path(folder, file), *xml);
            } else if (folder.startsWith(u"drawable")) {
                const AndroidXml::Drawable drawable = AndroidXml::readDrawable(*xml);
                if (!drawable.error.isEmpty())
                    m_scope.problem(path(folder, file), drawable.error);
                for (const AndroidXml::Reference &reference : drawable.references)
                    m_references.append({path(folder, file), reference, {}});
            }
        }
    }
}

bool SplashResources::resolves(const AndroidXml::Reference &reference) const
{
    if (reference.otherPackage)
        return true;
    if (reference.type == u"color")
        return m_colours.contains(reference.name);
    for (const auto &[folder, files] : m_pictureFolders) {
        if (!folder.startsWith(reference.type) || !servesEveryDevice(folder))
            continue;
        for (const QString &extension : {u".png"_s, u".webp"_s, u".xml"_s}) {
            if (files.contains(reference.name + extension))
                return true;
        }
    }
    return false;
}

void SplashResources::checkReferences()
{
    for (const Found &found : std::as_const(m_references)) {
        if (!resolves(found.reference))
            m_scope.problem(found.file,
                            AndroidSplashCheck::tr("refers to %1, which the folder does not have for every device")
                                .arg(found.reference.text));
    }
}

void SplashResources::checkIconSizes()
{
    QSet<QString> icons;
    for (const Found &found : std::as_const(m_references)) {
        if (found.item == u"android:windowSplashScreenAnimatedIcon" && found.reference.type == u"drawable")
            icons.insert(found.reference.name);
    }
    for (const QString &icon : std::as_const(icons)) {
        for (const auto &[folder, files] : m_pictureFolders) {
            const int doubled = doubledDensity(folder);
            if (doubled == 0 || !folder.startsWith(u"drawable") || !files.contains(icon + u".png"_s))
                continue;
            const int side = AndroidSplashCheck::iconDp * doubled / 2;
            m_scope.measure(path(folder, icon + u".png"_s), QSize(side, side),
                            AndroidSplashCheck::tr("the splash screen icon (%1 dp)").arg(AndroidSplashCheck::iconDp));
        }
    }
}

} // namespace

void AndroidSplashCheck::check(CheckScope &scope, const QString &res)
{
    SplashResources resources(scope, res);
    resources.read();
    resources.checkReferences();
    resources.checkIconSizes();
}

} // namespace iconsmith
