#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "common/result.h"
#include "generation/existingset.h"
#include "generation/generationreport.h"
#include "generation/generationrequest.h"
#include "generation/sourcecheck.h"
#include "generation/targetgenerator.h"

namespace iconsmith {

class GenerationHost;
class RunControl;

/**
 * The decisions made about a request before anything is rendered, the same for every front
 * end: where the files go, what they are, whether the request can be made at all (a name that
 * cannot name a file, a picture that cannot be read, an output larger than Iconsmith makes),
 * and what it would do to a set already in the folder. A plan is then run as it stands.
 *
 * prepare() reads files (the extra pictures, the size table, the folder), so a window calls it
 * off its GUI thread. outputPlan() and sourceWarnings() read only the size table and are cheap
 * enough to follow every edit of a form.
 */
class RunPlan
{
    Q_DECLARE_TR_FUNCTIONS(RunPlan)

public:
    /**
     * What @p request would make: the classic choice's files from the size table, the scaled image
     * set's from the source's size, or for the targets their largest image (1024 pixels, never
     * stretched).
     */
    [[nodiscard]] static OutputPlan outputPlan(const GenerationRequest &request);
    /** The warnings about @p request's source, knowing whether it turned out @p transparent. */
    [[nodiscard]] static QList<SourceWarning> sourceWarnings(const GenerationRequest &request, bool transparent);
    /** The name of the targets' files for @p request: the one given, else the source's base name, else "icon". */
    [[nodiscard]] static QString fileNameFor(const GenerationRequest &request);

    /**
     * Checks @p request and prepares its run: reads the extra pictures and the set already in the
     * folder. Fails, with a reason that names the picture, the name, the size or the folder, when
     * the request cannot be made: a picture that cannot be read, a save folder that is a file or
     * cannot be written, an output that would write over one of the files the request reads
     * (the source, the other pictures, the size table, GenerationRequest::inputs) or move it
     * away with a folder it replaces. Nothing has been written then.
     */
    static Result<RunPlan> prepare(GenerationRequest request);

    [[nodiscard]] const GenerationRequest &request() const { return m_request; }
    /** The folder the files go to: the icon-set folder, or the save folder for the scaled set and the targets. */
    [[nodiscard]] QString folder() const;
    [[nodiscard]] const OutputPlan &outputs() const { return m_outputs; }
    /** How many files the run writes, for a progress bar; 0 when that is known only as it runs. */
    [[nodiscard]] int expectedFiles() const;

    /**
     * What the new files would spoil: in the icon-set folder already there, or in the folders of
     * the targets already there; nothing for the scaled image set.
     */
    [[nodiscard]] const ExistingSet::Conflict &conflict() const { return m_conflict; }
    /**
     * Whether a set already in the folder (for targets: each target's folder already there) is
     * replaced whole, the old one going to the trash, rather than having the new files merged
     * into it; off until a front end decides.
     */
    void setReplaceExisting(bool replace) { m_replace = replace; }
    [[nodiscard]] bool replacesExisting() const { return m_replace; }

    /**
     * Makes the files, showing folders and keeping diagnostic lines through @p host; @p control
     * (optional) cancels the run and follows its progress. The save folder is held for this run
     * alone (OutputLock): a run into the same folder waits for it. Each set is put in place whole
     * or not at all. Never throws: whatever escapes the generation (memory running out) is a
     * failure of the report.
     */
    [[nodiscard]] GenerationReport run(GenerationHost &host, RunControl *control = nullptr) const;

private:
    explicit RunPlan(GenerationRequest request) : m_request(std::move(request)) {}
    [[nodiscard]] GenerationReport runClassic(GenerationHost &host, RunControl *control) const;
    [[nodiscard]] GenerationReport runTargets(GenerationHost &host, RunControl *control) const;
    void findTargetConflict();

    GenerationRequest m_request;
    OutputPlan m_outputs;
    TargetSources m_sources;
    TargetJob m_job;
    ExistingSet::Conflict m_conflict;
    bool m_existingFolder = false;
    /** The targets whose folder is already there. */
    QStringList m_existingTargets;
    bool m_replace = false;
};

} // namespace iconsmith
