#include "check/appiconsetcheck.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "check/checkscope.h"
#include "codec/inputlimits.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

int AppIconSetCheck::pixelsFor(const QString &points, const QString &scale)
{
    bool pointsOk = false;
    bool scaleOk = false;
    const double length = points.toDouble(&pointsOk);
    const double factor = scale.endsWith(u'x') ? scale.chopped(1).toDouble(&scaleOk) : 0.0;
    if (!pointsOk || !scaleOk || length <= 0 || factor <= 0)
        return -1;
    const double pixels = length * factor;
    return std::abs(pixels - std::round(pixels)) < 1e-9 ? int(std::lround(pixels)) : -1;
}

namespace {

// One entry of "images" as Xcode tells its kinds apart.
struct Entry
{
    QString file;
    QString idiom;
    QString size;
    QString scale;
    QString platform;
    QString role;
    QString subtype;
    QString appearance; // "" for the default (light) one
    QString appearanceProblem;

    // A single-size entry ("universal" with a platform and no scale) is measured in pixels; an
    // entry of an "All Sizes" set (Xcode 14 and later) has a platform and a scale.
    [[nodiscard]] bool isSingleSize() const { return !platform.isEmpty() && scale.isEmpty(); }
    [[nodiscard]] QString effectiveScale() const { return isSingleSize() ? u"1x"_s : scale; }
    [[nodiscard]] QString slot() const
    {
        return QStringList{idiom, size, effectiveScale(), role, subtype, platform, appearance}.join(u'|');
    }
    // Where the App Store or Xcode refuses an alpha channel: the marketing icons, the default
    // appearance of a single-size icon (the one the App Store shows), and every watch icon. A
    // dark icon shows the backdrop through its transparency; a mac icon carries its own shape on
    // transparency; the smaller sizes of an "All Sizes" set are never shown by the App Store.
    [[nodiscard]] bool mustBeOpaque() const
    {
        if (CatalogEntry::isMarketingIcon(idiom) || idiom == u"watch")
            return true;
        if (platform == u"watchos")
            return appearance.isEmpty();
        // macOS draws no mask: its icons carry their own shape on transparency.
        return isSingleSize() && appearance.isEmpty() && platform != u"macos";
    }
};

Entry entryFrom(const QJsonObject &image)
{
    Entry entry{image.value(u"filename").toString(),
                image.value(u"idiom").toString(),
                image.value(u"size").toString(),
                image.value(u"scale").toString(),
                image.value(u"platform").toString(),
                image.value(u"role").toString(),
                image.value(u"subtype").toString(),
                {},
                {}};
    const QJsonValue appearances = image.value(u"appearances");
    if (appearances.isUndefined())
        return entry;
    const QJsonArray list = appearances.toArray();
    if (!appearances.isArray() || list.size() != 1) {
        entry.appearanceProblem = AppIconSetCheck::tr("has an \"appearances\" value Xcode does not read (it takes "
                                                      "one luminosity appearance)");
        return entry;
    }
    const QJsonObject appearance = list.first().toObject();
    const QString kind = appearance.value(u"appearance").toString();
    const QString value = appearance.value(u"value").toString();
    if (kind != u"luminosity" || (value != u"dark" && value != u"tinted" && value != u"light"))
        entry.appearanceProblem =
            AppIconSetCheck::tr("has the appearance %1 %2, which app icons do not have (luminosity dark or tinted)")
                .arg(kind, value);
    entry.appearance = value == u"light" ? QString() : value;
    return entry;
}

bool isMacSize(const Entry &entry)
{
    static const QSet<QString> sizes{u"16x16"_s, u"32x32"_s, u"128x128"_s, u"256x256"_s, u"512x512"_s};
    return sizes.contains(entry.size) && (entry.scale == u"1x" || entry.scale == u"2x");
}

// Problems of the entry's description itself, before its file is looked at.
void checkKind(CheckScope &scope, const Entry &entry)
{
    if (!entry.appearanceProblem.isEmpty())
        scope.problem(entry.file, entry.appearanceProblem);
    if (!entry.platform.isEmpty()) {
        static const QSet<QString> platforms{u"ios"_s, u"watchos"_s, u"macos"_s, u"tvos"_s, u"visionos"_s};
        if (!platforms.contains(entry.platform))
            scope.problem(
                entry.file,
                AppIconSetCheck::tr("names the platform \"%1\", which Xcode does not know").arg(entry.platform));
        else if (entry.idiom == u"universal" && entry.isSingleSize() && entry.size != u"1024x1024")
            scope.problem(entry.file,
                          AppIconSetCheck::tr("is a single-size icon of %1, but Xcode's single size is 1024x1024")
                              .arg(entry.size));
    }
    if (entry.idiom == u"mac") {
        if (!isMacSize(entry))
            scope.problem(entry.file, AppIconSetCheck::tr("is a mac icon of %1 at %2, which is not a macOS icon size "
                                                          "(16, 32, 128, 256 or 512 at 1x or 2x)")
                                          .arg(entry.size, entry.scale));
        if (!entry.appearance.isEmpty())
            scope.note(entry.file, AppIconSetCheck::tr("is a %1 mac icon; macOS ignores appearances in an asset "
                                                       "catalog and takes them only from an .icon document")
                                       .arg(entry.appearance));
    }
}

// Checks the file of one listed entry: it is there, measures its size at its scale, and has no
// alpha channel where none is allowed.
void checkFile(CheckScope &scope, const Entry &entry)
{
    scope.countImages();
    if (!scope.exists(entry.file)) {
        scope.problem(entry.file, AppIconSetCheck::tr("is listed but missing"));
        return;
    }
    const Result<CheckedImage> header = scope.image(entry.file);
    if (!header) {
        scope.problem(entry.file, header.error());
        return;
    }
    const QString scale = entry.effectiveScale();
    const int width = AppIconSetCheck::pixelsFor(entry.size.section(u'x', 0, 0), scale);
    const int height = AppIconSetCheck::pixelsFor(entry.size.section(u'x', 1, 1), scale);
    if (width < 0 || height < 0) {
        scope.problem(entry.file,
                      AppIconSetCheck::tr("has no valid size and scale (\"%1\" at \"%2\")").arg(entry.size, scale));
    } else if (header->size != QSize(width, height)) {
        scope.problem(entry.file, AppIconSetCheck::tr("is %1 × %2 pixels, but %3 at %4 needs %5 × %6")
                                      .arg(header->size.width())
                                      .arg(header->size.height())
                                      .arg(entry.size, scale)
                                      .arg(width)
                                      .arg(height));
    }
    if (!header->alpha || !entry.mustBeOpaque())
        return;
    if (CatalogEntry::isMarketingIcon(entry.idiom))
        scope.problem(entry.file, AppIconSetCheck::tr(
                                      "is the App Store icon and has an alpha channel, which the App Store rejects"));
    else if (entry.idiom == u"watch" || entry.platform == u"watchos")
        scope.problem(entry.file, AppIconSetCheck::tr("is a watch icon and has an alpha channel, which the App Store "
                                                      "rejects"));
    else
        scope.problem(entry.file, AppIconSetCheck::tr("is the default %1 icon and has an alpha channel, which the App "
                                                      "Store rejects (only the dark one may be transparent)")
                                      .arg(entry.platform));
}

// A PNG the catalog does not list: a problem, unless it is one of the watch images the
// iPhone, iPad + Apple Watch choice writes beside the set.
void checkUnlisted(CheckScope &scope, const QString &png, const AppIconSetCheck::WatchImages &watchImages)
{
    const QString contents = ContentsDocument::fileName.toString();
    const auto watch = watchImages.constFind(png);
    if (watch == watchImages.cend()) {
        scope.problem(png, AppIconSetCheck::tr("is not listed in %1 (Xcode shows it as unassigned)").arg(contents));
        return;
    }
    scope.countImages();
    const Result<CheckedImage> header = scope.image(png);
    if (!header) {
        scope.problem(png, header.error());
    } else if (header->size != *watch) {
        scope.problem(png, AppIconSetCheck::tr("is not listed in %1, and is %2 × %3 pixels where the Apple Watch "
                                               "image of that name is %4 × %5")
                               .arg(contents)
                               .arg(header->size.width())
                               .arg(header->size.height())
                               .arg(watch->width())
                               .arg(watch->height()));
    } else {
        scope.note(png, AppIconSetCheck::tr("is an Apple Watch image of the size table; %1 does not list it, so "
                                            "Xcode shows it as unassigned (add it to the watch app's own set)")
                            .arg(contents));
    }
}

// The text without the commas that close a list or an object (`[1, 2,]`), which Xcode's reader
// has always taken but strict JSON does not; @p removed counts them. Strings are left alone.
QByteArray withoutTrailingCommas(const QByteArray &json, int &removed)
{
    QByteArray out;
    out.reserve(json.size());
    qsizetype pendingComma = -1; // where in `out` a comma waits for what follows it
    bool inString = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < json.size())
                out += json[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            out += c;
            continue;
        }
        if ((c == ']' || c == '}') && pendingComma >= 0) {
            out.remove(pendingComma, 1);
            ++removed;
        }
        pendingComma = c == ',' ? out.size() : -1;
        inString = c == '"';
        out += c;
    }
    return out;
}

} // namespace

void AppIconSetCheck::check(CheckScope &scope, const WatchImages &watchImages)
{
    scope.found(u"appiconset"_s);
    const QString contentsName = ContentsDocument::fileName.toString();
    const Result<QByteArray> contents = scope.read(contentsName, InputLimits::maxDocumentBytes);
    if (!contents) {
        scope.problem(contentsName, contents.error());
        return;
    }
    QJsonParseError parseError{};
    QJsonDocument document = QJsonDocument::fromJson(*contents, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        int commas = 0;
        QJsonParseError lenientError{};
        const QJsonDocument lenient = QJsonDocument::fromJson(withoutTrailingCommas(*contents, commas), &lenientError);
        if (commas > 0 && lenientError.error == QJsonParseError::NoError) {
            scope.note(contentsName, tr("has %n comma(s) before a closing bracket; Xcode reads it, but strict JSON "
                                        "readers do not",
                                        nullptr, commas));
            document = lenient;
            parseError = lenientError;
        }
    }
    if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().value(u"images").isArray()) {
        scope.problem(contentsName, parseError.error != QJsonParseError::NoError
                                        ? tr("is not valid JSON: %1").arg(parseError.errorString())
                                        : tr("has no \"images\" list"));
        return;
    }

    QSet<QString> listed;
    QSet<QString> slots;
    for (const auto &value : document.object().value(u"images").toArray()) {
        const Entry entry = entryFrom(value.toObject());
        if (entry.file.isEmpty())
            continue; // an empty slot, as Xcode leaves them
        listed.insert(entry.file);
        if (slots.contains(entry.slot()))
            scope.problem(entry.file, tr("fills a slot that another entry fills too (%1, %2, %3)")
                                          .arg(entry.idiom, entry.size, entry.effectiveScale()));
        slots.insert(entry.slot());
        if (!CheckScope::isPlainName(entry.file)) {
            scope.problem(entry.file, tr("is not the name of a file inside the set; it was not opened"));
            continue;
        }
        if (const Result<QString> path = scope.resolve(entry.file); !path) {
            scope.problem(entry.file, path.error());
            continue;
        }
        checkKind(scope, entry);
        checkFile(scope, entry);
    }

    for (const QString &file : scope.entries({}, CheckScope::Entries::Files)) {
        if (file.endsWith(u".png", Qt::CaseInsensitive) && !listed.contains(file))
            checkUnlisted(scope, file, watchImages);
    }
}

} // namespace iconsmith
