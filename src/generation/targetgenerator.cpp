#include "generation/targetgenerator.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <exception>
#include <functional>
#include <map>
#include <memory>

#include "codec/icnstype.h"
#include "codec/icnswriter.h"
#include "codec/icowriter.h"
#include "codec/imageerror.h"
#include "common/taskpool.h"
#include "generation/fileoutput.h"
#include "generation/generationrun.h"
#include "generation/targets/targetcatalog.h"
#include "generation/targets/treatmentlayout.h"

namespace iconsmith {

namespace {

// The reason an exception from the render pipeline gives.
QString reasonOf(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ImageError &e) {
        return e.reason();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return TargetGenerator::tr("The picture could not be made.");
    }
}

// Whether a container stores the entry as a PNG rather than as raw pixels.
bool storesAsPng(const PlannedImage &image)
{
    if (image.entry == u"ico")
        return IcoWriter::storesAsPng(QSize(image.pixels, image.pixels), IcoWriter::Storage::PngAt256);
    const IcnsType *type = IcnsType::find(image.entry.toLatin1());
    return type != nullptr && type->payload == IcnsType::Payload::Png;
}

// One target's images bound to their pictures, render requests and files.
struct Output
{
    PlannedImage image;
    RenderPipeline *pipeline = nullptr;
    RenderRequest request;
};

class TargetWriter
{
public:
    TargetWriter(GenerationRun &run, QString folder) : m_run(run), m_folder(std::move(folder)) {}

    [[nodiscard]] QString path(const QString &file) const { return m_folder + u'/' + file; }
    [[nodiscard]] const QSet<QString> &written() const { return m_written; }

    // Creates the file's folder once; false (reported once) when it cannot be.
    bool prepareFolder(const QString &file)
    {
        const QString folder = QFileInfo(path(file)).path();
        if (const auto known = m_folders.find(folder); known != m_folders.end())
            return known.value();
        const bool created = m_run.createFolder(folder);
        m_folders.insert(folder, created);
        return created;
    }

    void write(const QString &file, const QByteArray &bytes, QSize pixels, bool alpha = false)
    {
        if (!prepareFolder(file))
            return;
        if (m_run.writeFile(path(file), bytes, pixels, alpha))
            m_written.insert(file);
    }

    void fail(const QString &file, const QString &reason) { m_run.fail(path(file), reason); }

private:
    GenerationRun &m_run;
    QString m_folder;
    QMap<QString, bool> m_folders;
    QSet<QString> m_written;
};

void writePngs(TargetWriter &writer, const QList<Output> &outputs)
{
    for (const Output &output : outputs) {
        if (!output.image.entry.isEmpty())
            continue;
        try {
            writer.write(output.image.file, output.pipeline->png(output.request), output.request.pixels);
        } catch (...) {
            writer.fail(output.image.file, reasonOf(std::current_exception()));
        }
    }
}

// The entries of every container file of the target, assembled and written.
void writeContainers(TargetWriter &writer, const QList<Output> &outputs)
{
    QStringList files;
    for (const Output &output : outputs) {
        if (!output.image.entry.isEmpty() && !files.contains(output.image.file))
            files << output.image.file;
    }
    for (const QString &file : files) {
        QList<IcoWriter::Image> icoImages;
        QMap<QByteArray, IcnsWriter::Image> icnsImages;
        int largest = 0;
        bool alpha = false;
        QString problem;
        for (const Output &output : outputs) {
            if (output.image.file != file)
                continue;
            largest = std::max(largest, output.image.pixels);
            try {
                const RenderPipeline::BitmapPtr bitmap = output.pipeline->bitmap(output.request);
                // The PNG a file of the same render already has is reused, not encoded again.
                alpha = alpha || bitmap->hasAlpha();
                const QByteArray png = storesAsPng(output.image) ? output.pipeline->png(output.request) : QByteArray();
                if (output.image.entry == u"ico")
                    icoImages.append({*bitmap, png});
                else
                    icnsImages.insert(output.image.entry.toLatin1(), {*bitmap, png});
            } catch (...) {
                problem = reasonOf(std::current_exception());
            }
        }
        if (!problem.isEmpty()) {
            writer.fail(file, problem);
            continue;
        }
        const Result<QByteArray> bytes =
            icoImages.isEmpty() ? IcnsWriter::write(icnsImages, &TaskPool::shared()) : IcoWriter::write(icoImages);
        if (bytes)
            writer.write(file, *bytes, QSize(largest, largest), alpha);
        else
            writer.fail(file, bytes.error());
    }
}

// What each picture's content looks like, measured through its pipeline; a picture that cannot
// be read is handed to @p failed and left out.
std::map<SourceRole, PictureFacts> factsOf(const TargetSources &sources,
                                           const std::map<SourceRole, RenderPipeline *> &pipelines,
                                           const std::function<void(const QString &, const QString &)> &failed)
{
    std::map<SourceRole, PictureFacts> facts;
    for (const auto &[role, pipeline] : pipelines) {
        const SourceImage &picture = role == SourceRole::Main ? sources.main : sources.others.value(role);
        try {
            facts[role] = {picture.size(), pipeline->extent(QSize(1024, 1024))};
        } catch (...) {
            failed(picture.origin(), reasonOf(std::current_exception()));
        }
    }
    return facts;
}

TargetContext contextOf(const TargetSources &sources, const TargetJob &job,
                        const std::map<SourceRole, PictureFacts> &facts)
{
    TargetContext context;
    context.options = job.options;
    context.mainExtent = facts.at(SourceRole::Main).extent;
    context.mainIsSvg = sources.main.isSvg();
    for (const auto &[role, fact] : facts) {
        if (role == SourceRole::Main)
            continue;
        context.given.insert(role);
        context.otherExtents[role] = fact.extent;
        if (sources.others.value(role).isSvg())
            context.svgPictures.insert(role);
    }
    return context;
}

// The catalog's targets of @p job, then its further sets, planned in @p context.
QList<TargetPlan> plansOf(const TargetJob &job, const TargetContext &context)
{
    QList<TargetPlan> plans;
    for (const QString &name : job.targets) {
        if (const TargetCatalog::Entry *entry = TargetCatalog::find(name))
            plans.append(entry->plan(context));
    }
    for (const auto &plan : job.plans)
        plans.append(plan(context));
    return plans;
}

} // namespace

QList<TargetPlan> TargetGenerator::plans(const TargetSources &sources, const TargetJob &job)
{
    std::map<SourceRole, std::unique_ptr<RenderPipeline>> owned;
    std::map<SourceRole, RenderPipeline *> pipelines;
    owned[SourceRole::Main] = std::make_unique<RenderPipeline>(sources.main, TaskPool::shared());
    for (auto it = sources.others.begin(); it != sources.others.end(); ++it)
        owned[it.key()] = std::make_unique<RenderPipeline>(it.value(), TaskPool::shared());
    for (const auto &[role, pipeline] : owned)
        pipelines[role] = pipeline.get();
    const std::map<SourceRole, PictureFacts> facts =
        factsOf(sources, pipelines, [](const QString &, const QString &) {});
    if (!facts.contains(SourceRole::Main))
        return {};
    return plansOf(job, contextOf(sources, job, facts));
}

QMap<QString, QSet<QString>> TargetGenerator::plannedFiles(const TargetSources &sources, const TargetJob &job)
{
    QMap<QString, QSet<QString>> files;
    for (const TargetPlan &plan : plans(sources, job)) {
        QSet<QString> &planned = files[plan.name];
        for (const PlannedImage &image : plan.images)
            planned.insert(image.file);
        for (const PlannedCopy &copy : plan.copies)
            planned.insert(copy.file);
        for (const PlannedDocument &document : plan.documents)
            planned.insert(document.file);
    }
    return files;
}

GenerationReport TargetGenerator::generate(const TargetSources &sources, const TargetJob &job)
{
    GenerationRun run(sources.main, job.folder, m_host, m_control);

    // Every picture's renders, and what its content looks like.
    std::map<SourceRole, RenderPipeline *> pipelines{{SourceRole::Main, &run.pipeline()}};
    for (auto it = sources.others.begin(); it != sources.others.end(); ++it)
        pipelines[it.key()] = &run.pipeline(int(it.key()), it.value());
    std::map<SourceRole, PictureFacts> facts =
        factsOf(sources, pipelines, [&run](const QString &path, const QString &reason) { run.fail(path, reason); });
    if (!facts.contains(SourceRole::Main))
        return run.finish();
    const TargetContext context = contextOf(sources, job, facts);

    // Plan every target, then start every render at once so that the work overlaps.
    QList<std::pair<TargetPlan, QList<Output>>> plans;
    std::map<RenderPipeline *, std::pair<QList<RenderRequest>, QList<RenderRequest>>> prefetch;
    for (TargetPlan &plan : plansOf(job, context)) {
        QList<Output> outputs;
        for (const PlannedImage &image : plan.images) {
            if (!facts.contains(image.source))
                continue; // its picture could not be read; reported above
            Output output{image, pipelines[image.source],
                          TreatmentLayout::request(image, facts[image.source], context)};
            auto &[pngs, bitmaps] = prefetch[output.pipeline];
            (image.entry.isEmpty() || storesAsPng(image) ? pngs : bitmaps).append(output.request);
            outputs.append(output);
        }
        run.report().notes << plan.notes;
        run.report().warnings << plan.warnings;
        plans.append({std::move(plan), std::move(outputs)});
    }
    for (auto &[pipeline, requests] : prefetch)
        pipeline->prefetch(requests.first, requests.second);

    for (const auto &[plan, outputs] : plans) {
        // Each target's folder is a set of its own: put in place whole, or left as it was; a
        // replaced one goes to the trash whole.
        run.addSet(job.folder + u'/' + plan.name, StagedFolder::Kind::Folder,
                   job.replaced.contains(plan.name) ? StagedFolder::Mode::Replace : StagedFolder::Mode::Merge);
        TargetWriter writer(run, job.folder + u'/' + plan.name);
        writePngs(writer, outputs);
        writeContainers(writer, outputs);
        const auto bytesOf = [&sources](SourceRole role) {
            return role == SourceRole::Main ? sources.main.bytes() : sources.others.value(role).bytes();
        };
        for (const PlannedCopy &copy : plan.copies) {
            const QByteArray bytes = bytesOf(copy.source);
            writer.write(copy.file, copy.with && copy.join ? copy.join(bytes, bytesOf(*copy.with)) : bytes, QSize());
        }
        for (const PlannedDocument &document : plan.documents)
            writer.write(document.file, document.contents(writer.written()), QSize());
    }
    run.showFolder(job.folder);
    return run.finish();
}

} // namespace iconsmith
