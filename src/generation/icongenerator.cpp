#include "generation/icongenerator.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

#include "codec/imageerror.h"
#include "codec/sourceimage.h"
#include "generation/filename.h"
#include "generation/generationhost.h"
#include "generation/generationrun.h"
#include "generation/outputpaths.h"
#include "generation/runcontrol.h"

namespace iconsmith {

namespace {

QSize roundedPixels(double width, double height)
{
    const auto side = [](double value) {
        if (!std::isfinite(value) || value < 1.0)
            return 1;
        return int(std::min(std::llround(value), std::llround(1e9)));
    };
    return {side(width), side(height)};
}

} // namespace

IconGenerator::IconGenerator(GenerationRequest request, GenerationHost &host)
    : m_request(std::move(request)), m_host(host)
{}

QString IconGenerator::sizeTablePath() const
{
    return sizeTablePathOf(m_request);
}

QString IconGenerator::sizeTablePathOf(const GenerationRequest &request)
{
    return request.sizeTable.isEmpty() ? SizeTable::locate() : request.sizeTable;
}

QString IconGenerator::encodingPathString() const
{
    return OutputPaths(m_request.saveFolder, m_request.platform).encodingPathString();
}

QString IconGenerator::appiconsetPathString() const
{
    return OutputPaths(m_request.saveFolder, m_request.platform).appiconsetPathString();
}

QUrl IconGenerator::appiconsetPath() const
{
    return OutputPaths(m_request.saveFolder, m_request.platform).appiconsetPath();
}

std::optional<Platform> IconGenerator::platform() const
{
    return m_request.platform;
}

GenerationReport IconGenerator::generate(const SourceImage &image)
{
    const std::optional<Platform> chosen = platform();
    return chosen && chosen->isScaledImageSet() ? generateScaleImage(image) : generateIconsWithImage(image);
}

GenerationReport IconGenerator::generateIconsWithImage(const SourceImage &image)
{
    const Result<SizeTable> table = SizeTable::read(sizeTablePath());
    m_fittedSource = m_request.fit ? image.size() : QSize();
    GenerationRun run(image, appiconsetPathString(), m_host, m_control);
    run.addSet(appiconsetPathString(), StagedFolder::Kind::Folder,
               m_replace ? StagedFolder::Mode::Replace : StagedFolder::Mode::Merge);
    run.setDisplayMask(DisplayMask::RoundedSquare);
    if (!table)
        run.fail(sizeTablePath(), table.error());
    const SizeTable rows = table ? *table : SizeTable();
    for (const QString &problem : rows.problems())
        run.fail(sizeTablePath(), problem);

    m_contents = ContentsDocument();
    m_images.clear();
    // Nothing can be written into a folder that is not there: one failure says so.
    if (!run.createFolder(appiconsetPathString()))
        return run.finish();

    const std::optional<Platform> chosen = platform();
    const QList<IdiomPass> passes = chosen ? chosen->passes() : QList<IdiomPass>();
    const QList<SizeDictionary> rowsByPass = rowsToWrite(run, rows, passes);
    prefetchIconSet(run, rowsByPass);
    for (qsizetype i = 0; i < passes.size(); ++i) {
        outputImage(run, rowsByPass.at(i), passes.at(i).idiom);
        run.showFolder(encodingPathString());
    }

    m_contents.images = m_images;
    run.writeFile(appiconsetPathString() + u'/' + ContentsDocument::fileName.toString(), m_contents.toJson(), QSize());
    return run.finish();
}

GenerationReport IconGenerator::generateScaleImage(const SourceImage &image)
{
    m_fittedSource = QSize();
    GenerationRun run(image, appiconsetPathString(), m_host, m_control);
    // The three images share the save folder with whatever else it holds: they are the set.
    run.addSet(appiconsetPathString(), StagedFolder::Kind::Files);
    const QList<QSize> pixels = scaledImageSizes(image.size(), m_request.zoomIn);

    if (!run.createFolder(appiconsetPathString()))
        return run.finish();

    // The renderer multiplies the drawing size by the screen's factor again, so dividing by it
    // here makes the files measure exactly the sizes above on any screen.
    const double factor = measuredScaleFactor();
    const auto points = [factor](QSize size) { return QSizeF(size.width() / factor, size.height() / factor); };
    QList<RenderRequest> requests;
    for (const QSize &size : pixels)
        requests.append(requestFor(points(size)));
    run.pipeline().prefetch(requests);

    const std::array<QString, 3> idioms{QStringLiteral("origin"), QStringLiteral("scale2x"), QStringLiteral("scale3x")};
    for (std::size_t i = 0; i < idioms.size(); ++i)
        outputImage(run, points(pixels[qsizetype(i)]), OutputPaths::scaledImageNames.at(i).toString(), idioms.at(i));
    run.showFolder(encodingPathString());
    return run.finish();
}

QList<QSize> IconGenerator::scaledImageSizes(QSize source, bool zoomIn)
{
    // Measured in source pixels: zooming in puts the source size at @1x, zooming out at @3x.
    const double baseWidth = zoomIn ? source.width() : source.width() / 3.0;
    const double baseHeight = zoomIn ? source.height() : source.height() / 3.0;
    return {roundedPixels(baseWidth, baseHeight), roundedPixels(2 * baseWidth, 2 * baseHeight),
            roundedPixels(3 * baseWidth, 3 * baseHeight)};
}

OutputPlan IconGenerator::outputPlan(const GenerationRequest &request)
{
    OutputPlan plan;
    plan.rounded = request.rounded;
    plan.background = request.background.has_value();
    const QSize source = request.source.size();
    const std::optional<Platform> chosen = request.platform;
    if (!chosen)
        return plan;
    if (chosen->isScaledImageSet()) {
        plan.stretched = false; // the source's proportions are kept
        if (!source.isEmpty()) {
            const QList<QSize> pixels = scaledImageSizes(source, request.zoomIn);
            for (std::size_t i = 0; i < OutputPaths::scaledImageNames.size(); ++i)
                plan.outputs.append({OutputPaths::scaledImageNames.at(i).toString(), pixels[qsizetype(i)]});
        }
        return plan;
    }
    plan.stretched = !request.fit;
    plan.fitted = request.fit;
    const Result<SizeTable> table = SizeTable::read(sizeTablePathOf(request));
    if (!table)
        return plan;
    for (const IdiomPass &pass : chosen->passes()) {
        for (const SizeEntry &entry : table->dictionary(pass.table).entries)
            plan.outputs.append({entry.name, roundedPixels(entry.dimensions.width(), entry.dimensions.height())});
    }
    return plan;
}

QList<SizeDictionary> IconGenerator::rowsToWrite(GenerationRun &run, const SizeTable &table,
                                                 const QList<IdiomPass> &passes) const
{
    // Passes share one folder: a name an earlier row gave another size would be overwritten
    // with it, leaving the file and the catalog disagreeing. The first row keeps the name; one
    // of the same size (the marketing icon of iPhone and iPad) is simply the same file.
    QList<SizeDictionary> result;
    QHash<QString, QSize> pixelsOfName;
    for (const IdiomPass &pass : passes) {
        SizeDictionary rows;
        for (const SizeEntry &entry : table.dictionary(pass.table).entries) {
            const QSize pixels = requestFor(entry.dimensions / measuredScaleFactor()).pixels;
            const auto earlier = pixelsOfName.constFind(entry.name);
            if (earlier != pixelsOfName.cend() && *earlier != pixels) {
                run.fail(appiconsetPathString() + u'/' + entry.name + QStringLiteral(".png"),
                         IconGenerator::tr("the size table's %1 row \"%2\" makes it %3 × %4 pixels, but an earlier "
                                           "row made it %5 × %6; the earlier row is used")
                             .arg(pass.idiom, entry.key)
                             .arg(pixels.width())
                             .arg(pixels.height())
                             .arg(earlier->width())
                             .arg(earlier->height()));
                continue;
            }
            pixelsOfName.insert(entry.name, pixels);
            rows.entries.append(entry);
        }
        result.append(rows);
    }
    return result;
}

void IconGenerator::prefetchIconSet(GenerationRun &run, const QList<SizeDictionary> &rowsByPass)
{
    QList<RenderRequest> requests;
    const double factor = measuredScaleFactor();
    for (const SizeDictionary &rows : rowsByPass) {
        for (const SizeEntry &entry : rows.entries) {
            if (FileName::isPlainStem(entry.name))
                requests.append(requestFor(entry.dimensions / factor));
        }
    }
    run.pipeline().prefetch(requests);
}

void IconGenerator::outputImage(GenerationRun &run, const SizeDictionary &sizes, const QString &idiom)
{
    const double factor = measuredScaleFactor();
    for (const SizeEntry &entry : sizes.entries)
        outputImage(run, QSizeF(entry.dimensions.width() / factor, entry.dimensions.height() / factor), entry.name,
                    idiom);
}

void IconGenerator::outputImage(GenerationRun &run, QSizeF size, const QString &name, const QString &idiom)
{
    const QString path = appiconsetPathString() + u'/' + name + QStringLiteral(".png");
    bool written = false;
    if (!FileName::isPlainStem(name)) {
        run.fail(path, IconGenerator::tr("\"%1\" is not a file name that can be written inside the folder").arg(name));
    } else {
        const RenderRequest request = requestFor(size);
        try {
            written = run.writeFile(path, drawImage(run, request), request.pixels);
        } catch (const ImageError &error) {
            run.fail(path, error.reason());
        } catch (const std::exception &error) {
            run.fail(path, QString::fromLocal8Bit(error.what()));
        }
    }
    // Contents.json lists only files that are there: Xcode reports a listed file that is
    // missing, while an unfilled slot is simply empty.
    if (written)
        appendCatalogEntry(name, idiom);
}

QByteArray IconGenerator::drawImage(GenerationRun &run, const RenderRequest &request)
{
    if (request.pixels.width() > maxOutputSide || request.pixels.height() > maxOutputSide ||
        qint64(request.pixels.width()) * request.pixels.height() > SourceImage::maxPixels)
        throw ImageError(IconGenerator::tr("%1 × %2 pixels is larger than Iconsmith makes images")
                             .arg(request.pixels.width())
                             .arg(request.pixels.height()));
    return run.pipeline().png(request);
}

RenderRequest IconGenerator::requestFor(QSizeF size) const
{
    const double factor = measuredScaleFactor();
    RenderRequest request(roundedPixels(size.width() * factor, size.height() * factor), m_request.rounded,
                          m_request.background);
    // Only an icon set is fitted: the scaled image set has the source's proportions already.
    if (!m_fittedSource.isEmpty() && m_fittedSource.width() != m_fittedSource.height())
        request.body = fittedBody(m_fittedSource, request.pixels);
    return request;
}

QRect IconGenerator::fittedBody(QSize source, QSize canvas)
{
    const double scale = std::min(double(canvas.width()) / source.width(), double(canvas.height()) / source.height());
    const QSize body(std::clamp(int(std::lround(source.width() * scale)), 1, canvas.width()),
                     std::clamp(int(std::lround(source.height() * scale)), 1, canvas.height()));
    return {QPoint((canvas.width() - body.width()) / 2, (canvas.height() - body.height()) / 2), body};
}

double IconGenerator::measuredScaleFactor() const
{
    const double factor = m_request.scaleFactor;
    return std::isfinite(factor) && factor > 0 ? factor : 1.0;
}

void IconGenerator::appendCatalogEntry(const QString &name, const QString &idiom)
{
    std::optional<CatalogEntry> entry = CatalogEntry::derive(name, idiom, [this](const QString &line) { log(line); });
    if (!entry)
        return;
    if (name == CatalogEntry::marketingName && checkFileExist()) {
        log(QStringLiteral("Already exist"));
        return;
    }
    m_images.append(*entry);
}

bool IconGenerator::checkFileExist()
{
    bool found = false;
    for (const CatalogEntry &entry : std::as_const(m_images)) {
        log(entry.filename);
        found = found || entry.filename == CatalogEntry::marketingFileName;
    }
    return found;
}

void IconGenerator::log(const QString &line)
{
    m_host.logLine(line);
}

} // namespace iconsmith
