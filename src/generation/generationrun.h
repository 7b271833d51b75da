#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

#include "codec/sourceimage.h"
#include "generation/generationreport.h"
#include "generation/renderpipeline.h"
#include "generation/stagedfolder.h"

namespace iconsmith {

class GenerationHost;
class RunControl;

/**
 * One generation action from start to finish: the renders of its source, what it wrote and
 * what failed, and the folders it has shown. A new action is a new run, so nothing of one
 * action can leak into the next.
 *
 * Files go into a staging folder first and are put in place by finish(), so a cancelled run
 * leaves the folder as it was; folders are shown once the files are in place.
 */
class GenerationRun
{
    Q_DECLARE_TR_FUNCTIONS(GenerationRun)

public:
    /**
     * A run that renders @p source and writes into @p folder, showing folders through @p host.
     * With a @p control it can be cancelled and reports its progress; @p replaceFolder moves an
     * existing @p folder to the trash at the end instead of merging the new files into it.
     */
    GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host, RunControl *control = nullptr,
                  bool replaceFolder = false);

    /** The renders of the run's source. */
    [[nodiscard]] RenderPipeline &pipeline() { return m_pipeline; }
    /** The renders of a further picture of the run (a dark variant, a layer), made on first use under @p key. */
    [[nodiscard]] RenderPipeline &pipeline(int key, const SourceImage &picture);

    /**
     * Replaces @p folder, a folder inside the run's, whole when the files are put in place: the
     * folder already there goes to the trash and the new files take its place. When a file meant
     * for it failed, or the trash cannot take it, none of its new files are put in place and the
     * folder stays exactly as it was.
     */
    void replaceFolder(const QString &folder);

    /** How the system shows the images written from now on. */
    void setDisplayMask(DisplayMask mask) { m_mask = mask; }
    /**
     * Makes @p path (the run's folder or one inside it) ready to receive files, or records why it
     * cannot be; returns whether it is.
     */
    bool createFolder(const QString &path);
    /**
     * Writes @p bytes to @p path atomically and records it, or records why it could not be; returns
     * whether it was written. A PNG's alpha channel is read from its header; @p alpha says it for
     * any other image (a container). The file is staged until the run finishes.
     */
    bool writeFile(const QString &path, const QByteArray &bytes, QSize pixels, bool alpha = false);
    /** Records that @p path could not be made, and why. */
    void fail(const QString &path, const QString &reason);
    /** Shows @p folder in the file browser at the end of the run, once however often asked, and only when it is a
     * folder. */
    void showFolder(const QString &folder);
    /** Whether the run was asked to stop. */
    [[nodiscard]] bool isCancelled() const;

    /** What the run has done so far. */
    [[nodiscard]] GenerationReport &report() { return m_report; }

    /** Ends the run: puts the files in place (or, cancelled, throws them away) and answers what it did. */
    GenerationReport finish();

private:
    bool stage(const QString &path, const QByteArray &bytes);
    void commit();
    void replaceFolders();

    GenerationHost &m_host;
    RunControl *m_control;
    RenderPipeline m_pipeline;
    std::map<int, std::unique_ptr<RenderPipeline>> m_otherPipelines;
    StagedFolder m_staging;
    GenerationReport m_report;
    QStringList m_foldersToShow;
    QStringList m_replacedFolders;
    DisplayMask m_mask = DisplayMask::None;
};

} // namespace iconsmith
