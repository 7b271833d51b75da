#include "generation/generationrun.h"

#include <QFileInfo>

#include "codec/pngheader.h"
#include "common/taskpool.h"
#include "generation/fileoutput.h"
#include "generation/generationhost.h"

namespace iconsmith {

GenerationRun::GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host)
    : m_host(host), m_pipeline(source, TaskPool::shared())
{
    m_report.folder = folder;
}

RenderPipeline &GenerationRun::pipeline(int key, const SourceImage &picture)
{
    std::unique_ptr<RenderPipeline> &slot = m_otherPipelines[key];
    if (!slot)
        slot = std::make_unique<RenderPipeline>(picture, TaskPool::shared());
    return *slot;
}

bool GenerationRun::writeFile(const QString &path, const QByteArray &bytes, QSize pixels, bool alpha)
{
    if (const Result<void> written = FileOutput::writeAtomically(path, bytes); !written) {
        fail(path, written.error());
        return false;
    }
    if (PngHeader::isPng(bytes)) {
        const Result<PngHeader> header = PngHeader::parse(bytes);
        alpha = header && header->hasAlphaChannel();
    }
    m_report.written.append({path, pixels, alpha});
    return true;
}

void GenerationRun::fail(const QString &path, const QString &reason)
{
    m_report.failures.append({path, reason});
}

void GenerationRun::showFolder(const QString &folder)
{
    // Only a folder is shown: asking the desktop to "show" a file would open it with its
    // default program, and a save-folder text can name any file.
    if (m_shownFolders.contains(folder) || !QFileInfo(folder).isDir())
        return;
    m_shownFolders.insert(folder);
    m_host.showFolder(folder);
}

GenerationReport GenerationRun::finish()
{
    m_report.sourceHasTransparency = m_pipeline.sourceHasTransparency();
    return std::move(m_report);
}

} // namespace iconsmith
