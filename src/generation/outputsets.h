#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "common/result.h"
#include "generation/platform.h"

namespace iconsmith {

struct GenerationRequest;

/**
 * The places a generation writes, as the sets it puts in place whole: an icon set's
 * AppIcon.appiconset folder, each target's folder (FOLDER/ios, FOLDER/android, ...), or the
 * three files of the scaled image set, which share the save folder with whatever else it
 * holds. Nothing outside these places is ever changed by a run, and each is replaced in one
 * step or not at all (see StagedFolder).
 *
 * The questions asked of the places are answered about the files they stand for, however they
 * are named: a link, "..", or a second name (a hard link) of the same file are seen through.
 */
class OutputSets
{
    Q_DECLARE_TR_FUNCTIONS(OutputSets)

public:
    /** One place a run writes. */
    struct Place
    {
        /** As the request names it (a leading "~" expanded). */
        QString path;
        /** A folder that is wholly the run's, or one file in a folder shared with others. */
        bool folder = true;
    };

    /** The places of a run that makes @p platform (with @p targets) into @p saveFolder. */
    static QList<Place> of(const QString &saveFolder, const std::optional<Platform> &platform,
                           const QStringList &targets);
    /** The places of @p request. */
    static QList<Place> of(const GenerationRequest &request);

    /**
     * @p path as the file system resolves it: absolute, every link of the part that exists
     * followed, the rest (still to be made) appended as written.
     */
    static QString canonical(const QString &path);
    /** Whether writing @p a and writing @p b could touch the same file. */
    static bool overlap(const Place &a, const Place &b);

    /**
     * Fails, naming the file, when a place of @p places would write over or move away one of
     * @p inputs (the source, the other pictures, the size table, a project file): an input that
     * is an output file, or that lies in a folder the run replaces.
     */
    static Result<void> checkInputs(const QList<Place> &places, const QStringList &inputs);
    /**
     * Fails with one clear reason when the run could not put @p places in place: the save folder
     * @p saveFolder (or a folder on its way) is a file, a place is a file where a folder goes,
     * or a folder that must change is not writable.
     */
    static Result<void> checkWritable(const QString &saveFolder, const QList<Place> &places);
};

} // namespace iconsmith
