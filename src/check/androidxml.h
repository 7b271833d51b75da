#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace iconsmith {

/**
 * Reads the Android XML files the check looks at, from their text alone: drawables (an
 * `<adaptive-icon>` above all), `values` files, and the icons `AndroidManifest.xml` names. Kept
 * apart from the folder check so that it can be fuzzed on its own.
 */
struct AndroidXml
{
    Q_DECLARE_TR_FUNCTIONS(AndroidXml)

public:
    /** A resource reference in an attribute ("@mipmap/ic_launcher_foreground"). */
    struct Reference
    {
        /** The element and the attribute's qualified name it stands in. */
        QString element;
        QString attribute;
        /** The text as written. */
        QString text;
        /** "mipmap", "drawable" or "color". */
        QString type;
        QString name;
        /** A reference into another package ("@android:color/white"): nothing of the folder. */
        bool otherPackage = false;
    };

    /** What a drawable XML holds. */
    struct Drawable
    {
        /** The root element's name; empty when there is none. */
        QString root;
        QList<Reference> references;
        /** The layers of an `<adaptive-icon>` with neither a drawable attribute nor a drawable inside. */
        QStringList emptyLayers;
        /** Why the text is not well-formed XML; empty when it is. */
        QString error;
    };

    /** What a `values` XML declares. */
    struct Values
    {
        /** (type, name) of each colour, drawable or mipmap it declares. */
        QList<std::pair<QString, QString>> declared;
        /** A sentence for each colour whose value is neither a colour nor a reference. */
        QStringList badColours;
        QString error;
    };

    /** The icons a manifest names. */
    struct ManifestIcons
    {
        /** Every android:icon and android:roundIcon reference, of any element. */
        QList<Reference> icons;
        /** Whether an icon is filled in by the build (a "${placeholder}"), so the list is not all. */
        bool placeholders = false;
        QString error;
    };

    static Drawable readDrawable(const QByteArray &xml);
    static Values readValues(const QByteArray &xml);
    static ManifestIcons readManifest(const QByteArray &xml);
    /**
     * The reference @p text ("@mipmap/x", "@+drawable/y", "@android:color/z") in @p element's
     * @p attribute, when it names a mipmap, drawable or colour; std::nullopt otherwise.
     */
    static std::optional<Reference> reference(const QString &text, const QString &element = {},
                                              const QString &attribute = {});
};

} // namespace iconsmith
