#include "generation/generationrun.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "common/taskpool.h"
#include "generation/fileoutput.h"
#include "generation/generationhost.h"
#include "generation/runcontrol.h"

namespace iconsmith {

namespace {

// The colour type in a PNG's header: 4 (grey and alpha) and 6 (RGBA) carry an alpha channel.
bool pngHasAlpha(const QByteArray &bytes)
{
    constexpr qsizetype colourTypeAt = 25;
    if (bytes.size() <= colourTypeAt || !bytes.startsWith("\x89PNG"))
        return false;
    const int type = quint8(bytes.at(colourTypeAt));
    return type == 4 || type == 6;
}

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

bool GenerationRun::isCancelled() const
{
    return m_control != nullptr && m_control->isCancelled();
}

void GenerationRun::createFolder(const QString &path)
{
    const Result<void> created = samePath(path, m_report.folder) ? m_staging.create() : FileOutput::createFolder(path);
    if (!created)
        fail(path, created.error());
}

void GenerationRun::writeFile(const QString &path, const QByteArray &bytes, QSize pixels)
{
    // Between files is where a cancelled run stops; what it wrote so far is thrown away.
    if (isCancelled())
        return;
    Result<void> written = m_staging.create();
    if (written)
        written = FileOutput::writeAtomically(m_staging.stagedPath(path), bytes);
    if (!written)
        fail(path, written.error());
    else
        m_report.written.append(
            {path, pixels, !pixels.isEmpty() && pngHasAlpha(bytes), pixels.isEmpty() ? DisplayMask::None : m_mask});
    if (m_control != nullptr)
        m_control->fileFinished();
}

void GenerationRun::fail(const QString &path, const QString &reason)
{
    // A cancelled run's renders end in failures that are not the user's concern.
    if (!isCancelled())
        m_report.failures.append({path, reason});
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
    for (const StagedFolder::Problem &problem : m_staging.commit()) {
        m_report.failures.append({problem.path, problem.reason});
        if (samePath(problem.path, m_staging.target()))
            m_report.written.clear();
        else
            m_report.written.removeIf(
                [&problem](const GenerationReport::WrittenFile &file) { return samePath(file.path, problem.path); });
    }
}

} // namespace iconsmith
