#include "icongenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

#include "fileoutput.h"
#include "generationhost.h"
#include "imageerror.h"
#include "outputpaths.h"
#include "renderpipeline.h"
#include "sourceimage.h"
#include "taskpool.h"

namespace iconsmith {

namespace {

// An icon name becomes a file name inside the icon-set folder; it must not lead out of it.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

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

IconGenerator::IconGenerator(GenerationHost &host, QString sizeTablePath)
    : m_host(host), m_sizeTablePath(std::move(sizeTablePath))
{}

IconGenerator::~IconGenerator() = default;

QString IconGenerator::sizeTablePath() const
{
    return m_sizeTablePath.isEmpty() ? SizeTable::locate() : m_sizeTablePath;
}

QString IconGenerator::encodingPathString() const
{
    return OutputPaths(m_host).encodingPathString();
}

QString IconGenerator::appiconsetPathString() const
{
    return OutputPaths(m_host).appiconsetPathString();
}

QUrl IconGenerator::appiconsetPath() const
{
    return OutputPaths(m_host).appiconsetPath();
}

QList<IconGenerator::IdiomPass> IconGenerator::passesFor(int platformChoice)
{
    const IdiomPass iphone{SizeTable::IPhone, QStringLiteral("iphone")};
    const IdiomPass ipad{SizeTable::IPad, QStringLiteral("ipad")};
    const IdiomPass watch{SizeTable::Watch, QStringLiteral("watch")};
    switch (platformChoice) {
    case 0:
        return {iphone};
    case 1:
        return {ipad};
    case 2:
        return {iphone, ipad};
    case 3:
        return {iphone, ipad, watch};
    default:
        // The empty-catalog choices and anything unknown write no picture.
        return {};
    }
}

GenerationReport IconGenerator::generateIconsWithImage(const SourceImage &image)
{
    const SizeTable table = SizeTable::read(sizeTablePath());
    beginAction(image, appiconsetPathString());
    for (const QString &problem : table.problems())
        fail(sizeTablePath(), problem);

    if (const auto error = FileOutput::createFolder(appiconsetPathString()))
        fail(appiconsetPathString(), *error);

    m_contents = ContentsDocument();
    m_images.clear();

    const QList<IdiomPass> passes = passesFor(m_host.platformChoice());
    prefetchIconSet(table, passes);
    for (const IdiomPass &pass : passes)
        outputImage(image, table.dictionary(pass.table), pass.idiom);

    m_contents.images = m_images;
    writeFile(appiconsetPathString() + u'/' + ContentsDocument::fileName.toString(), m_contents.toJson(), QSize());
    return endAction();
}

GenerationReport IconGenerator::generateScaleImage(const SourceImage &image)
{
    beginAction(image, appiconsetPathString());
    const QList<QSize> pixels = scaledImageSizes(image.size());

    if (const auto error = FileOutput::createFolder(appiconsetPathString()))
        fail(appiconsetPathString(), *error);

    // The renderer multiplies the drawing size by the screen's factor again, so dividing by it
    // here makes the files measure exactly the sizes above on any screen.
    const double factor = measuredScaleFactor();
    const auto points = [factor](QSize size) { return QSizeF(size.width() / factor, size.height() / factor); };
    QList<RenderRequest> requests;
    for (const QSize &size : pixels)
        requests.append(requestFor(points(size)));
    m_pipeline->prefetch(requests);

    outputImage(image, points(pixels[0]), QStringLiteral("Image"), QStringLiteral("origin"));
    outputImage(image, points(pixels[1]), QStringLiteral("Image@2x"), QStringLiteral("scale2x"));
    outputImage(image, points(pixels[2]), QStringLiteral("Image@3x"), QStringLiteral("scale3x"));
    showSaveFolder();
    return endAction();
}

QList<QSize> IconGenerator::scaledImageSizes(QSize source) const
{
    // Measured in source pixels: zooming in puts the source size at @1x, zooming out at @3x.
    const bool zoomIn = m_host.isZoomInOn();
    const double baseWidth = zoomIn ? source.width() : source.width() / 3.0;
    const double baseHeight = zoomIn ? source.height() : source.height() / 3.0;
    return {roundedPixels(baseWidth, baseHeight), roundedPixels(2 * baseWidth, 2 * baseHeight),
            roundedPixels(3 * baseWidth, 3 * baseHeight)};
}

OutputPlan IconGenerator::outputPlan() const
{
    OutputPlan plan;
    plan.rounded = m_host.isRoundedCornerOn();
    plan.background = m_host.backgroundColor().has_value();
    if (m_host.platformChoice() == OutputPaths::scaledImageChoice) {
        plan.stretched = false;
        return plan; // the scaled sizes depend on the source; its proportions are kept
    }
    const SizeTable table = SizeTable::read(sizeTablePath());
    for (const IdiomPass &pass : passesFor(m_host.platformChoice())) {
        for (const SizeEntry &entry : table.dictionary(pass.table).entries)
            plan.outputs.append({entry.name, roundedPixels(entry.dimensions.width(), entry.dimensions.height())});
    }
    return plan;
}

void IconGenerator::beginAction(const SourceImage &image, const QString &folder)
{
    m_report = GenerationReport();
    m_report.folder = folder;
    m_shownFolders.clear();
    m_pipeline = std::make_unique<RenderPipeline>(image, TaskPool::shared());
}

GenerationReport IconGenerator::endAction()
{
    if (m_pipeline)
        m_report.sourceHasTransparency = m_pipeline->sourceHasTransparency();
    m_pipeline.reset();
    m_shownFolders.clear();
    return std::exchange(m_report, GenerationReport());
}

void IconGenerator::prefetchIconSet(const SizeTable &table, const QList<IdiomPass> &passes)
{
    QList<RenderRequest> requests;
    for (const IdiomPass &pass : passes) {
        const double factor = measuredScaleFactor();
        for (const SizeEntry &entry : table.dictionary(pass.table).entries) {
            if (isPlainFileName(entry.name))
                requests.append(requestFor(entry.dimensions / factor));
        }
    }
    m_pipeline->prefetch(requests);
}

void IconGenerator::outputImage(const SourceImage &image, const SizeDictionary &sizes, const QString &idiom)
{
    const double factor = measuredScaleFactor();
    for (const SizeEntry &entry : sizes.entries)
        outputImage(image, QSizeF(entry.dimensions.width() / factor, entry.dimensions.height() / factor), entry.name,
                    idiom);
    showSaveFolder();
}

void IconGenerator::outputImage(const SourceImage &image, QSizeF size, const QString &name, const QString &idiom)
{
    const QString path = appiconsetPathString() + u'/' + name + QStringLiteral(".png");
    if (!isPlainFileName(name)) {
        fail(path, IconGenerator::tr("\"%1\" is not a file name that can be written inside the folder").arg(name));
    } else {
        try {
            const RenderedIcon icon = drawImage(image, size);
            writeFile(path, icon.png, icon.pixels);
        } catch (const ImageError &error) {
            fail(path, error.reason());
        } catch (const std::exception &error) {
            fail(path, QString::fromLocal8Bit(error.what()));
        }
    }
    appendCatalogEntry(name, idiom);
}

IconGenerator::RenderedIcon IconGenerator::drawImage(const SourceImage &image, QSizeF size)
{
    const RenderRequest request = requestFor(size);
    if (request.pixels.width() > maxOutputSide || request.pixels.height() > maxOutputSide ||
        qint64(request.pixels.width()) * request.pixels.height() > SourceImage::maxPixels)
        throw ImageError(IconGenerator::tr("%1 × %2 pixels is larger than Iconsmith makes images")
                             .arg(request.pixels.width())
                             .arg(request.pixels.height()));
    if (!m_pipeline)
        m_pipeline = std::make_unique<RenderPipeline>(image, TaskPool::shared());
    return {request.pixels, m_pipeline->png(request)};
}

RenderRequest IconGenerator::requestFor(QSizeF size) const
{
    const double factor = measuredScaleFactor();
    return {roundedPixels(size.width() * factor, size.height() * factor), m_host.isRoundedCornerOn(),
            m_host.backgroundColor()};
}

double IconGenerator::measuredScaleFactor() const
{
    const double factor = m_host.backingScaleFactor();
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

void IconGenerator::showSaveFolder()
{
    const QString folder = encodingPathString();
    // Only a folder is shown: asking the desktop to "show" a file would open it with its
    // default program, and a save-folder text can name any file.
    if (m_shownFolders.contains(folder) || !QFileInfo(folder).isDir())
        return;
    m_shownFolders.insert(folder);
    m_host.showFolder(folder);
}

void IconGenerator::writeFile(const QString &path, const QByteArray &bytes, QSize pixels)
{
    if (const auto error = FileOutput::writeAtomically(path, bytes))
        fail(path, *error);
    else
        m_report.written.append({path, pixels});
}

void IconGenerator::fail(const QString &path, const QString &reason)
{
    m_report.failures.append({path, reason});
}

void IconGenerator::log(const QString &line)
{
    m_host.logLine(line);
}

} // namespace iconsmith
