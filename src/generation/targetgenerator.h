#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

#include "codec/sourceimage.h"
#include "generation/generationreport.h"
#include "generation/targets/targetplan.h"

namespace iconsmith {

class GenerationHost;
class GenerationRun;
class RunControl;

/** The pictures a set of targets is made from: the source, and what the user gave besides. */
struct TargetSources
{
    SourceImage main;
    QMap<SourceRole, SourceImage> others;
};

/** What to make: which targets, how, and where. Each target writes into folder/<target>/. */
struct TargetJob
{
    QString folder;
    QStringList targets;
    TargetOptions options;
    /** The targets whose folder already there is replaced whole (the old one goes to the trash) rather than merged
     * into. */
    QStringList replaced = {};
    /**
     * Further sets to write besides the catalog's targets, each planned from the same pictures (a
     * project's own files, say); each writes into folder/<its plan's name>/.
     */
    QList<std::function<TargetPlan(const TargetContext &)>> plans = {};
};

/**
 * Writes the files of one or more targets in one run: each picture decoded once, each distinct
 * size and treatment rendered once, containers (.ico, .icns) assembled from the renders, and
 * each target's documents written last, listing only the files that were written.
 */
class TargetGenerator
{
    Q_DECLARE_TR_FUNCTIONS(TargetGenerator)

public:
    /**
     * Shows folders and writes diagnostic lines through @p host; @p control (optional) cancels
     * the run and follows its progress. Each target's folder is a set of its own, staged and put
     * in place whole when every file of it was made (keeping whatever else the folder held), or
     * left as it was.
     */
    explicit TargetGenerator(GenerationHost &host, RunControl *control = nullptr) : m_host(host), m_control(control) {}

    GenerationReport generate(const TargetSources &sources, const TargetJob &job);

    /**
     * The files each target of @p job would write from @p sources, by target name, each by its
     * path inside the target's folder: images, containers, documents and copies. What a target
     * writes depends on the pictures (a dark icon only from a transparent source, say), so each
     * picture is read once at icon size; a picture that cannot be read counts as not given.
     */
    static QMap<QString, QSet<QString>> plannedFiles(const TargetSources &sources, const TargetJob &job);
    /**
     * The plans of @p job's targets and further sets, in the order they are written, as made from
     * @p sources (each picture read once at icon size); empty when the source cannot be read.
     */
    static QList<TargetPlan> plans(const TargetSources &sources, const TargetJob &job);

private:
    GenerationHost &m_host;
    RunControl *m_control;
};

} // namespace iconsmith
