#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

#include "catalog/contentsdocument.h"
#include "generation/sourcecheck.h"
#include "generation/targets/targetplan.h"

namespace iconsmith {

/** The outline a system draws an icon file in, which a preview of the file should show too. */
enum class DisplayMask {
    /** Shown as it is: a plain square or rectangle. */
    None,
    /** The rounded square of iPhone and iPad home screens. */
    RoundedSquare,
    Circle,
    /** A superellipse, rounder than the rounded square. */
    Squircle,
};

/** What one generation action did: the files it wrote and everything that went wrong. */
struct GenerationReport
{
    struct WrittenFile
    {
        QString path;
        /** Pixel size; empty for a document such as Contents.json. */
        QSize pixels;
        /**
         * Whether the image keeps an alpha channel: a PNG's colour type says it; a container
         * (.ico, .icns) has one when any picture in it does.
         */
        bool alpha = false;
        /** How the system shows the image. */
        DisplayMask mask = DisplayMask::None;
    };
    struct Failure
    {
        /** The file or folder concerned. */
        QString path;
        /** The system's reason. */
        QString reason;
    };

    /** The folder the files went to. */
    QString folder;
    QList<WrittenFile> written;
    QList<Failure> failures;
    /** What the user should know about what was made (an output left out and why). */
    QList<RunNote> notes;
    /** What about the source shows in what was made (transparency, enlargement, stretching). */
    QList<SourceWarning> warnings;
    /** The catalog document written as Contents.json, for an icon set; none for other outputs. */
    std::optional<ContentsDocument> catalog;
    /** Whether the source turned out to have pixels that are less than opaque. */
    bool sourceHasTransparency = false;
    /** Whether the action was cancelled: then nothing was written and the folder is as it was. */
    bool cancelled = false;

    [[nodiscard]] bool succeeded() const { return failures.isEmpty() && !cancelled; }
    /** The notes' messages, without the pictures they miss. */
    [[nodiscard]] QStringList noteMessages() const
    {
        QStringList messages;
        for (const RunNote &note : notes)
            messages << note.message;
        return messages;
    }
    /**
     * The files written, each once and in the order first written: a file written twice (the
     * marketing image of two idioms) is one file to the user.
     */
    [[nodiscard]] QList<WrittenFile> distinctFiles() const;
};

} // namespace iconsmith
