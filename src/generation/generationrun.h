#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

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
 * Every file belongs to a set the run declares (addSet()): an icon set's folder, a target's
 * folder, the scaled image set's files. Files go into each set's staging folder first, and
 * finish() puts each set in place whole, in one step, or not at all: a set in which one file
 * could not be made (a damaged source, a full disk, a name in the way) is thrown away and the
 * set already there stays exactly as it was, so no document ever lists a file that is not
 * there. A failure that belongs to no set (a picture that could not be read, a size table)
 * keeps every set as it was. A cancelled run puts nothing in place. Folders are shown once the
 * files are in place.
 */
class GenerationRun
{
    Q_DECLARE_TR_FUNCTIONS(GenerationRun)

public:
    /**
     * A run that renders @p source and writes into @p folder, showing folders through @p host.
     * With a @p control it can be cancelled and reports its progress.
     */
    GenerationRun(const SourceImage &source, const QString &folder, GenerationHost &host,
                  RunControl *control = nullptr);

    /**
     * Declares a set of the run: @p place is the folder that is wholly the set (Kind::Folder),
     * or the folder its files go to among others (Kind::Files). Replace moves a folder already
     * there away whole instead of keeping the files the new set does not write.
     */
    void addSet(const QString &place, StagedFolder::Kind kind, StagedFolder::Mode mode = StagedFolder::Mode::Merge);

    /** The renders of the run's source. */
    [[nodiscard]] RenderPipeline &pipeline() { return m_pipeline; }
    /** The renders of a further picture of the run (a dark variant, a layer), made on first use under @p key. */
    [[nodiscard]] RenderPipeline &pipeline(int key, const SourceImage &picture);

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
    /** Records that @p path could not be made, and why; the set it belongs to (or every set) is not put in place. */
    void fail(const QString &path, const QString &reason);
    /** Shows @p folder in the file browser at the end of the run, once however often asked, and only when it is a
     * folder. */
    void showFolder(const QString &folder);
    /** Whether the run was asked to stop. */
    [[nodiscard]] bool isCancelled() const;

    /** What the run has done so far. */
    [[nodiscard]] GenerationReport &report() { return m_report; }

    /** Ends the run: puts each complete set in place (or, cancelled, none) and answers what it did. */
    GenerationReport finish();

private:
    struct Set
    {
        std::unique_ptr<StagedFolder> staging;
        int failures = 0;
    };

    [[nodiscard]] Set *setOf(const QString &path);
    bool stage(const QString &path, const QByteArray &bytes);
    void commit(Set &set);
    void dropWritten(const StagedFolder &staging);

    GenerationHost &m_host;
    RunControl *m_control;
    RenderPipeline m_pipeline;
    std::map<int, std::unique_ptr<RenderPipeline>> m_otherPipelines;
    std::vector<Set> m_sets;
    /** Whether something failed that belongs to no one set (a picture, the size table). */
    bool m_failedOutsideSets = false;
    GenerationReport m_report;
    QStringList m_foldersToShow;
    DisplayMask m_mask = DisplayMask::None;
};

} // namespace iconsmith
