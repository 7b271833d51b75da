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

namespace {

bool samePath(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

GenerationRun::GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host,
                             RunControl *control, bool replaceFolder)
    : m_host(host), m_control(control),
      m_pipeline(source, TaskPool::shared(), control != nullptr ? control->stopToken() : std::stop_token()),
      m_staging(folder, replaceFolder ? StagedFolder::Mode::Replace : StagedFolder::Mode::Merge)
{
    m_report.folder = folder;
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
    Result<void> created = m_staging.create();
    if (created)
        created = FileOutput::createFolder(m_staging.stagedPath(path));
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
    // What would stop the file being put in place later is a failure now, so that the documents
    // written at the end never list it.
    if (const QFileInfo destination(path); destination.isDir() && !destination.isSymLink()) {
        fail(path, tr("A folder of that name is in the way"));
        return false;
    }
    Result<void> written = m_staging.create();
    const QString staged = m_staging.stagedPath(path);
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
    if (!isCancelled())
        m_report.failures.append({path, reason});
}

void GenerationRun::replaceFolder(const QString &folder)
{
    if (!m_replacedFolders.contains(folder))
        m_replacedFolders.append(folder);
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
        m_staging.discard();
        m_report.cancelled = true;
        m_report.written.clear();
        m_report.failures.clear();
        return std::move(m_report);
    }
    commit();
    for (const QString &folder : std::as_const(m_foldersToShow)) {
        // Only a folder is shown: asking the desktop to "show" a file would open it with its
        // default program, and a save-folder text can name any file.
        if (QFileInfo(folder).isDir())
            m_host.showFolder(folder);
    }
    return std::move(m_report);
}

void GenerationRun::commit()
{
    // A replacement that is incomplete would swap a good set for a broken one: the old one stays.
    if (m_staging.mode() == StagedFolder::Mode::Replace && !m_report.failures.isEmpty()) {
        m_staging.discard();
        m_report.written.clear();
        return;
    }
    replaceFolders();
    for (const StagedFolder::Problem &problem : m_staging.commit()) {
        m_report.failures.append({problem.path, problem.reason});
        // What is not in place is not written: the file, or everything in a folder that could not be.
        const QString folder = QDir::cleanPath(problem.path) + u'/';
        m_report.written.removeIf([&](const GenerationReport::WrittenFile &file) {
            return samePath(problem.path, m_staging.target()) || samePath(file.path, problem.path) ||
                   QDir::cleanPath(file.path).startsWith(folder);
        });
    }
}

void GenerationRun::replaceFolders()
{
    for (const QString &folder : std::as_const(m_replacedFolders)) {
        const QString staged = m_staging.stagedPath(folder);
        // Nothing to replace (a new folder moves in whole anyway), or nothing new to put there.
        if (staged == folder || !QFileInfo(folder).isDir() || !QFileInfo(staged).isDir())
            continue;
        const QString inside = QDir::cleanPath(folder) + u'/';
        const auto belongs = [&](const QString &path) { return QDir::cleanPath(path).startsWith(inside); };
        // An incomplete replacement would swap a good folder for a broken one: the old one stays.
        bool complete = std::none_of(m_report.failures.cbegin(), m_report.failures.cend(),
                                     [&](const GenerationReport::Failure &failure) { return belongs(failure.path); });
        if (complete) {
            if (const Result<void> trashed = StagedFolder::moveToTrash(folder); !trashed) {
                m_report.failures.append({folder, tr("The folder could not be moved to the trash, so nothing was "
                                                     "replaced and nothing was deleted: %1")
                                                      .arg(trashed.error())});
                complete = false;
            }
        }
        if (!complete) {
            QDir(staged).removeRecursively();
            m_report.written.removeIf([&](const GenerationReport::WrittenFile &file) { return belongs(file.path); });
        }
    }
}

} // namespace iconsmith
