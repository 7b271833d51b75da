#pragma once

#include <QByteArray>
#include <QSet>
#include <QSize>
#include <QString>

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

    [[nodiscard]] RenderPipeline &pipeline() { return m_pipeline; }

    /** Writes @p bytes to @p path atomically and records it, or records why it could not be; returns whether it was
     * written. */
    bool writeFile(const QString &path, const QByteArray &bytes, QSize pixels);
    /** Records that @p path could not be made, and why. */
    void fail(const QString &path, const QString &reason);
    /** Shows @p folder in the file browser, once per run however often asked, and only when it is a folder. */
    void showFolder(const QString &folder);

    /** Ends the run: what it did. */
    GenerationReport finish();

private:
    GenerationHost &m_host;
    RenderPipeline m_pipeline;
    GenerationReport m_report;
    QSet<QString> m_shownFolders;
};

} // namespace iconsmith
