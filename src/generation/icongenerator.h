#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QUrl>

#include <optional>

#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "catalog/sizetable.h"
#include "codec/inputlimits.h"
#include "generation/generationreport.h"
#include "generation/generationrequest.h"
#include "generation/platform.h"
#include "generation/sourcecheck.h"
#include "imaging/renderrequest.h"

namespace iconsmith {

class GenerationHost;
class GenerationRun;
class RunControl;
class SourceImage;

/**
 * Generates icon sets and scaled image sets from a source image, as a request asks for them;
 * folders are shown and diagnostic lines kept through a GenerationHost.
 *
 * An icon set is one PNG file per row of the size table for each idiom the platform choice
 * asks for, plus Contents.json; the scaled image set is Image.png, Image@2x.png and
 * Image@3x.png in the save folder. Every step runs even when an earlier one failed, except
 * that nothing is drawn when the folder cannot be created; each failure is collected with its
 * reason in the report that the action returns. Each set is put in place whole or not at all
 * (GenerationRun): one failure leaves the set already there as it was.
 */
class IconGenerator
{
    Q_DECLARE_TR_FUNCTIONS(IconGenerator)

public:
    /** A generator of what @p request asks for (its size table, platform, folder and options). */
    IconGenerator(GenerationRequest request, GenerationHost &host);

    /** Writes what the platform choice makes: the scaled image set, or an icon set and its Contents.json. */
    GenerationReport generate(const SourceImage &image);
    /** Writes the icon set of the platform choice (0 to 5) and its Contents.json. */
    GenerationReport generateIconsWithImage(const SourceImage &image);
    /** Writes the scaled image set (@1x, @2x, @3x) into the save folder. */
    GenerationReport generateScaleImage(const SourceImage &image);

    /**
     * What @p request would make: the files (name and pixel size) of its platform choice, read
     * from the size table afresh, and the options that shape them. The scaled image set's files
     * depend on the source, so they are listed only when the request has one.
     */
    [[nodiscard]] static OutputPlan outputPlan(const GenerationRequest &request);

    /**
     * Lets @p control (which must outlive every generation that follows) cancel the next
     * generations and follow their progress; null, the default, runs them to the end.
     */
    void setRunControl(RunControl *control) { m_control = control; }
    /**
     * Whether an icon-set folder already there is replaced whole (the old one goes to the
     * trash) rather than having the new files merged into it. Off by default.
     */
    void setReplaceExistingSet(bool replace) { m_replace = replace; }

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

    /** Where a picture of @p source's proportions lies when fitted into @p canvas: centred, touching two sides. */
    [[nodiscard]] static QRect fittedBody(QSize source, QSize canvas);

    /** Outputs larger than this on either side are refused. */
    static constexpr int maxOutputSide = InputLimits::maxOutputSide;

private:
    [[nodiscard]] std::optional<Platform> platform() const;
    [[nodiscard]] static QList<QSize> scaledImageSizes(QSize source, bool zoomIn);
    [[nodiscard]] static QString sizeTablePathOf(const GenerationRequest &request);

    void outputImage(GenerationRun &run, const SizeDictionary &sizes, const QString &idiom);
    void outputImage(GenerationRun &run, QSizeF size, const QString &name, const QString &idiom);
    QByteArray drawImage(GenerationRun &run, const RenderRequest &request);
    void appendCatalogEntry(const QString &name, const QString &idiom);

    [[nodiscard]] double measuredScaleFactor() const;
    [[nodiscard]] RenderRequest requestFor(QSizeF size) const;
    [[nodiscard]] QList<SizeDictionary> rowsToWrite(GenerationRun &run, const SizeTable &table,
                                                    const QList<IdiomPass> &passes) const;
    void prefetchIconSet(GenerationRun &run, const QList<SizeDictionary> &rowsByPass);
    void log(const QString &line);

    GenerationRequest m_request;
    GenerationHost &m_host;
    RunControl *m_control = nullptr;
    bool m_replace = false;
    /** The size of the icon set's source while its pictures are fitted rather than stretched; empty otherwise. */
    QSize m_fittedSource;
    ContentsDocument m_contents;
    QList<CatalogEntry> m_images;
};

} // namespace iconsmith
