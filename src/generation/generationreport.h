#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace iconsmith {

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
    QStringList notes;
    /** Whether the source turned out to have pixels that are less than opaque. */
    bool sourceHasTransparency = false;

    [[nodiscard]] bool succeeded() const { return failures.isEmpty(); }
    /**
     * The files written, each once and in the order first written: a file written twice (the
     * marketing image of two idioms) is one file to the user.
     */
    [[nodiscard]] QList<WrittenFile> distinctFiles() const;
};

} // namespace iconsmith
