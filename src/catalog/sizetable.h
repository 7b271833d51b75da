#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "common/result.h"

namespace iconsmith {

/** One row of a size dictionary: the icon name and the pixel size of its PNG file. */
struct SizeEntry
{
    QString key;
    QString name;
    QSizeF dimensions;
};

/** The rows of one idiom, in the order the file lists them. */
struct SizeDictionary
{
    QList<SizeEntry> entries;
};

/**
 * The size table: one size dictionary each for the iPhone, iPad and Apple Watch idioms, read
 * from a property list (XML or binary) whose root is an array of at least three dictionaries.
 *
 * A file that cannot be read as such a table is a failure; a row without a usable "Name" or
 * "Dimensions", and a second row of a name the dictionary already has, is left out of a table
 * that can, and reported through problems(). The file is read by Iconsmith's own bounded
 * property-list readers (PropertyList), never more than InputLimits::maxDocumentBytes of it.
 */
class SizeTable
{
    Q_DECLARE_TR_FUNCTIONS(SizeTable)

public:
    enum Idiom { IPhone = 0, IPad = 1, Watch = 2, IdiomCount = 3 };

    /** The file name the table ships under. */
    static constexpr QStringView fileName = u"SizeFile.plist";

    /**
     * The table shipped with the program: beside the executable (build tree, Windows), in the
     * installed data folder (../share/iconsmith) or in a macOS bundle's resources. Returns the
     * first candidate that exists, or the first candidate when none does so that the failure to
     * read it names a sensible place.
     */
    static QString locate();
    /** Reads a table afresh from a regular file. */
    static Result<SizeTable> read(const QString &path);
    /** Reads a table from the bytes of a property list; @p origin names it in messages. */
    static Result<SizeTable> fromData(const QByteArray &data, const QString &origin);

    /** The rows of one idiom; empty when the table has none or could not be read. */
    [[nodiscard]] const SizeDictionary &dictionary(Idiom idiom) const { return m_dictionaries[idiom]; }
    /** The rows that were left out, one sentence each. */
    [[nodiscard]] const QStringList &problems() const { return m_problems; }

    /** Reads a size written as "{width, height}"; returns an empty size when the text is not one. */
    static QSizeF parseDimensions(const QString &text);

private:
    SizeDictionary m_dictionaries[IdiomCount];
    QStringList m_problems;
};

} // namespace iconsmith
