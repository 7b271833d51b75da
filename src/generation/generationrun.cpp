#include "generation/generationrun.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "codec/pngheader.h"
#include "common/taskpool.h"
#include "generation/fileoutput.h"
#include "generation/generationhost.h"
#include "generation/runcontrol.h"

namespace iconsmith {

GenerationRun::GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host,
                             RunControl *control)
    : m_host(host), m_control(control),
      m_pipeline(source, TaskPool::shared(), control != nullptr ? control->stopToken() : std::stop_token())
{
    m_report.folder = folder;
}

void GenerationRun::addSet(const QString &place, StagedFolder::Kind kind, StagedFolder::Mode mode)
{
    m_sets.push_back({std::make_unique<StagedFolder>(place, mode, kind), 0});
}

GenerationRun::Set *GenerationRun::setOf(const QString &path)
{
    for (Set &set : m_sets) {
        if (set.staging->holds(path))
            return &set;
    }
    return nullptr;
}

RenderPipeline &GenerationRun::pipeline(int key, const SourceImage &picture)
{
    std::unique_ptr<RenderPipeline> &slot = m_otherPipelines[key];
    if (!slot)
        slot = std::make_unique<RenderPipeline>(picture, TaskPool::shared(),
                                                m_control != nullptr ? m_control->stopToken() : std::stop_token());
    return *slot;
}

bool GenerationRun::isCancelled() const
{
    return m_control != nullptr && m_control->isCancelled();
}

bool GenerationRun::createFolder(const QString &path)
{
    Set *set = setOf(path);
    if (set == nullptr) {
        fail(path, tr("It is outside the folders this run writes"));
        return false;
    }
    Result<void> created = set->staging->create();
    if (created)
        created = FileOutput::createFolder(set->staging->stagedPath(path));
    if (!created)
        fail(path, created.error());
    return bool(created);
}

bool GenerationRun::writeFile(const QString &path, const QByteArray &bytes, QSize pixels, bool alpha)
{
    // Between files is where a cancelled run stops; what it wrote so far is thrown away.
    if (isCancelled())
        return false;
    const bool written = stage(path, bytes);
    if (written) {
        if (PngHeader::isPng(bytes)) {
            const Result<PngHeader> header = PngHeader::parse(bytes);
            alpha = header && header->hasAlphaChannel();
        }
        m_report.written.append({path, pixels, alpha, pixels.isEmpty() ? DisplayMask::None : m_mask});
    }
    if (m_control != nullptr)
        m_control->fileFinished();
    return written;
}

bool GenerationRun::stage(const QString &path, const QByteArray &bytes)
{
    // What would stop the file being put in place later is a failure now, so that the set is
    // known to be incomplete before its documents are written.
    if (const QFileInfo destination(path); destination.isDir() && !destination.isSymLink()) {
        fail(path, tr("A folder of that name is in the way"));
        return false;
    }
    Set *set = setOf(path);
    if (set == nullptr) {
        fail(path, tr("It is outside the folders this run writes"));
        return false;
    }
    Result<void> written = set->staging->create();
    const QString staged = set->staging->stagedPath(path);
    if (written && !QFileInfo(staged).dir().exists())
        written = FileOutput::createFolder(QFileInfo(staged).path());
    if (written)
        written = FileOutput::writeAtomically(staged, bytes);
    if (!written)
        fail(path, written.error());
    return bool(written);
}

void GenerationRun::fail(const QString &path, const QString &reason)
{
    // A cancelled run's renders end in failures that are not the user's concern.
    if (isCancelled())
        return;
    m_report.failures.append({path, reason});
    if (Set *set = setOf(path))
        ++set->failures;
    else
        m_failedOutsideSets = true;
}

void GenerationRun::showFolder(const QString &folder)
{
    if (!m_foldersToShow.contains(folder))
        m_foldersToShow.append(folder);
}

GenerationReport GenerationRun::finish()
{
    m_report.sourceHasTransparency = m_pipeline.sourceHasTransparency();
    if (isCancelled()) {
        for (Set &set : m_sets)
            set.staging->discard();
        m_report.cancelled = true;
        m_report.written.clear();
        m_report.failures.clear();
        return std::move(m_report);
    }
    for (Set &set : m_sets)
        commit(set);
    for (const QString &folder : std::as_const(m_foldersToShow)) {
        // Only a folder is shown: asking the desktop to "show" a file would open it with its
        // default program, and a save-folder text can name any file.
        if (QFileInfo(folder).isDir())
            m_host.showFolder(folder);
    }
    return std::move(m_report);
}

void GenerationRun::commit(Set &set)
{
    StagedFolder &staging = *set.staging;
    const QString shown = QDir::toNativeSeparators(staging.target());
    // A set with a file missing would replace a good one with a broken one: the old one stays.
    if (set.failures > 0 || m_failedOutsideSets) {
        const bool anyStaged = !staging.path().isEmpty();
        staging.discard();
        dropWritten(staging);
        if (anyStaged)
            m_report.notes.append({tr("%1: nothing was put in place, since not every file of it could be made; "
                                      "what was there is as it was.")
                                       .arg(shown),
                                   std::nullopt});
        return;
    }
    const QList<StagedFolder::Problem> problems = staging.commit();
    for (const StagedFolder::Problem &problem : problems)
        m_report.failures.append({problem.path, problem.reason});
    // What is not in place is not written: a problem means none of the set is.
    if (!problems.isEmpty())
        dropWritten(staging);
    if (!staging.keptAt().isEmpty()) {
        // Named as the set is named, unless the set's name is a link and the old set lies elsewhere.
        const QFileInfo target(staging.target());
        const QFileInfo kept(staging.keptAt());
        const QString keptAt =
            kept.path() == target.absolutePath() ? target.path() + u'/' + kept.fileName() : kept.filePath();
        m_report.notes.append({tr("%1 could not go to the trash (%2), so the old set was kept beside it, in %3.")
                                   .arg(shown, staging.whyNotTrashed(), QDir::toNativeSeparators(keptAt)),
                               std::nullopt});
    }
}

void GenerationRun::dropWritten(const StagedFolder &staging)
{
    m_report.written.removeIf(
        [&staging](const GenerationReport::WrittenFile &file) { return staging.holds(file.path); });
}

} // namespace iconsmith
