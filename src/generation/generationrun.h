#pragma once

#include <QByteArray>
#include <QSet>
#include <QSize>
#include <QString>

#include <map>
#include <memory>

#include "codec/sourceimage.h"
#include "generation/generationreport.h"
#include "generation/renderpipeline.h"

namespace iconsmith {

class GenerationHost;

/**
 * One generation action from start to finish: the renders of its source, what it wrote and
 * what failed, and the folders it has shown. A new action is a new run, so nothing of one
 * action can leak into the next.
 */
class GenerationRun
{
public:
    /** A run that renders @p source and writes into @p folder, showing folders through @p host. */
    GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host);

    /** The renders of the run's source. */
    [[nodiscard]] RenderPipeline &pipeline() { return m_pipeline; }
    /** The renders of a further picture of the run (a dark variant, a layer), made on first use under @p key. */
    [[nodiscard]] RenderPipeline &pipeline(int key, const SourceImage &picture);

    /**
     * Writes @p bytes to @p path atomically and records it, or records why it could not be; returns
     * whether it was written. A PNG's alpha channel is read from its header; @p alpha says it for
     * any other image (a container).
     */
    bool writeFile(const QString &path, const QByteArray &bytes, QSize pixels, bool alpha = false);
    /** Records that @p path could not be made, and why. */
    void fail(const QString &path, const QString &reason);
    /** Shows @p folder in the file browser, once per run however often asked, and only when it is a folder. */
    void showFolder(const QString &folder);

    /** What the run has done so far. */
    [[nodiscard]] GenerationReport &report() { return m_report; }

    /** Ends the run: what it did. */
    GenerationReport finish();

private:
    GenerationHost &m_host;
    RenderPipeline m_pipeline;
    std::map<int, std::unique_ptr<RenderPipeline>> m_otherPipelines;
    GenerationReport m_report;
    QSet<QString> m_shownFolders;
};

} // namespace iconsmith
