#pragma once

#include <QFutureWatcher>
#include <QList>
#include <QObject>

#include <memory>
#include <optional>
#include <utility>

#include "app/hostsnapshot.h"
#include "app/targetrequest.h"
#include "catalog/catalogentry.h"
#include "catalog/contentsdocument.h"
#include "codec/sourceimage.h"
#include "generation/generationreport.h"
#include "generation/runcontrol.h"

namespace iconsmith {

/**
 * One generation running off the GUI thread, over a snapshot of the window's choices.
 *
 * The worker thread owns everything it touches (the generator, the snapshot, its copy of the
 * source image, which shares its immutable bytes) except the run control, whose members are
 * atomic. Progress, folders to show and log lines come back as signals, which reach receivers
 * on the GUI thread queued; the outcome is read on the GUI thread after finished(). The
 * destructor cancels the run and waits for it, which a cancelled run makes short.
 */
class GenerationJob : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        GenerationReport report;
        /** Whether an icon set (not the scaled image set) was made; only then are the catalog members set. */
        bool iconSet = false;
        ContentsDocument contents;
        QList<CatalogEntry> images;
    };

    /** A generation of @p image over @p host; @p replaceExistingSet replaces an icon set already in the folder. */
    GenerationJob(const SourceImage &image, const HostSnapshot &host, bool replaceExistingSet,
                  QObject *parent = nullptr);
    /** A run over the targets of @p request; @p host shows the folder and takes the log lines. */
    GenerationJob(const TargetRequest &request, const HostSnapshot &host, QObject *parent = nullptr);
    ~GenerationJob() override;
    GenerationJob(const GenerationJob &) = delete;
    GenerationJob &operator=(const GenerationJob &) = delete;

    /** Starts the generation on the application's thread pool. */
    void start();
    /** Asks the generation to stop; finished() still follows, with a cancelled report. */
    void cancel();
    [[nodiscard]] bool isCancelled() const;
    /** The result; valid once finished() was emitted. */
    [[nodiscard]] const Outcome &outcome() const { return m_outcome; }

Q_SIGNALS:
    /** @p files files are written (or failed) so far. */
    void progressed(int files);
    /** The generation asks for @p folder to be shown in the file browser. */
    void folderShown(const QString &folder);
    /** The generation wrote a diagnostic line. */
    void lineLogged(const QString &line);
    void finished();

private:
    struct Work
    {
        Work(SourceImage source, HostSnapshot snapshot) : image(std::move(source)), host(std::move(snapshot)) {}
        SourceImage image;
        HostSnapshot host;
        RunControl control;
        /** Set for a run over targets, which then replaces the classic generation. */
        std::optional<TargetRequest> targets;
    };
    void connectWork();
    static Outcome run(Work &work);
    static Outcome runTargets(Work &work);

    std::shared_ptr<Work> m_work;
    QFutureWatcher<Outcome> m_watcher;
    Outcome m_outcome;
};

} // namespace iconsmith
