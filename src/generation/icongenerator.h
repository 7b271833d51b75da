#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QUrl>

#include <memory>

#include "catalogentry.h"
#include "contentsdocument.h"
#include "generationreport.h"
#include "renderrequest.h"
#include "sizetable.h"
#include "sourcecheck.h"

namespace iconsmith {

class GenerationHost;
class RenderPipeline;
class SourceImage;

/**
 * Generates icon sets and scaled image sets from a source image, reading every choice from a
 * GenerationHost at the moment it is needed.
 *
 * An icon set is one PNG file per row of the size table for each idiom the platform choice
 * asks for, plus Contents.json; the scaled image set is Image.png, Image@2x.png and
 * Image@3x.png in the save folder. Every step runs even when an earlier one failed; each
 * failure is collected with its reason in the report that the action returns.
 */
class IconGenerator
{
    Q_DECLARE_TR_FUNCTIONS(IconGenerator)

public:
    /** A generator that reads the size table from @p sizeTablePath, or from the one shipped with the program when
     * empty. */
    explicit IconGenerator(GenerationHost &host, QString sizeTablePath = {});
    ~IconGenerator();
    IconGenerator(const IconGenerator &) = delete;
    IconGenerator &operator=(const IconGenerator &) = delete;

    /** Writes the icon set of the current platform choice (0 to 5) and its Contents.json. */
    GenerationReport generateIconsWithImage(const SourceImage &image);
    /** Writes the scaled image set (@1x, @2x, @3x) into the save folder. */
    GenerationReport generateScaleImage(const SourceImage &image);

    /**
     * What the current choices would make: the files (name and pixel size) of the platform
     * choice, read from the size table afresh, and the options that shape them.
     */
    [[nodiscard]] OutputPlan outputPlan() const;

    /** The catalog document of the last icon set. */
    [[nodiscard]] const ContentsDocument &contents() const { return m_contents; }
    /** The catalog entries of the current or last icon set. */
    [[nodiscard]] const QList<CatalogEntry> &images() const { return m_images; }
    /** Whether the entries hold the marketing image; logs every entry's file name on the way. */
    bool checkFileExist();

    /** The size table file this generator reads. */
    [[nodiscard]] QString sizeTablePath() const;

    /** The save folder. */
    [[nodiscard]] QString encodingPathString() const;
    /** The icon-set folder: where the files are written. */
    [[nodiscard]] QString appiconsetPathString() const;
    /** The icon-set folder as a file URL. */
    [[nodiscard]] QUrl appiconsetPath() const;

    /** Outputs larger than this on either side are refused. */
    static constexpr int maxOutputSide = 16384;

private:
    struct IdiomPass
    {
        SizeTable::Idiom table;
        QString idiom;
    };
    struct RenderedIcon
    {
        QSize pixels;
        QByteArray png;
    };

    static QList<IdiomPass> passesFor(int platformChoice);
    [[nodiscard]] QList<QSize> scaledImageSizes(QSize source) const;

    void beginAction(const SourceImage &image, const QString &folder);
    GenerationReport endAction();

    void outputImage(const SourceImage &image, const SizeDictionary &sizes, const QString &idiom);
    void outputImage(const SourceImage &image, QSizeF size, const QString &name, const QString &idiom);
    RenderedIcon drawImage(const SourceImage &image, QSizeF size);
    void appendCatalogEntry(const QString &name, const QString &idiom);

    [[nodiscard]] double measuredScaleFactor() const;
    [[nodiscard]] RenderRequest requestFor(QSizeF size) const;
    void prefetchIconSet(const SizeTable &table, const QList<IdiomPass> &passes);
    void showSaveFolder();
    void writeFile(const QString &path, const QByteArray &bytes, QSize pixels);
    void fail(const QString &path, const QString &reason);
    void log(const QString &line);

    GenerationHost &m_host;
    QString m_sizeTablePath;
    ContentsDocument m_contents;
    QList<CatalogEntry> m_images;

    // State of the action in progress.
    std::unique_ptr<RenderPipeline> m_pipeline;
    GenerationReport m_report;
    QSet<QString> m_shownFolders;
};

} // namespace iconsmith
