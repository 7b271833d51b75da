#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace iconsmith {

struct OutputPlan;

/**
 * What an icon-set folder holds before a generation writes into it, and what the new set would
 * do to it: the PNG files it would leave behind unlisted (Xcode shows them as "unassigned" and
 * the set no longer passes a check), or a catalog that lists images about to be replaced by an
 * empty one. For targets, the same about each target's folder: the files a new run would not
 * write, which its documents no longer list.
 */
class ExistingSet
{
    Q_DECLARE_TR_FUNCTIONS(ExistingSet)

public:
    /** What writing a new set over the folder would spoil. */
    struct Conflict
    {
        /**
         * The files the new set neither writes nor lists, sorted: an icon set's PNG files by name;
         * for targets, every file of their folders by its path inside the save folder
         * ("ios/AppIcon.appiconset/AppIcon-dark.png").
         */
        QStringList leftOvers;
        /** The images the present Contents.json lists, when the new one would list none; else 0. */
        int listedImagesLost = 0;
        /** The folders that hold what would be spoilt, sorted: the icon-set folder, or each target's folder. */
        QStringList folders;

        [[nodiscard]] bool any() const { return !leftOvers.isEmpty() || listedImagesLost > 0; }
    };

    /** Reads @p folder: its PNG files and how many images its Contents.json lists. A missing folder is empty. */
    static ExistingSet read(const QString &folder);

    [[nodiscard]] const QString &folder() const { return m_folder; }
    /** Whether the folder is there. */
    [[nodiscard]] bool exists() const { return m_exists; }
    /** The names of the PNG files directly in the folder, sorted. */
    [[nodiscard]] const QStringList &pngFiles() const { return m_pngFiles; }
    /** How many entries of the folder's Contents.json name a file; 0 without a readable one. */
    [[nodiscard]] int listedImages() const { return m_listedImages; }

    /** What a new set that writes exactly @p fileNames (and lists what it writes) would spoil. */
    [[nodiscard]] Conflict conflictWith(const QStringList &fileNames) const;

    /** The PNG file names an icon set of @p plan writes. */
    static QStringList fileNames(const OutputPlan &plan);

    /**
     * What targets would spoil that write exactly @p plannedFiles (by target name, each file by
     * its path inside the target's folder) into their folders inside @p saveFolder: every file of
     * those folders that the run would not write. Hidden files and folders are not counted.
     */
    static Conflict targetsConflict(const QString &saveFolder, const QMap<QString, QSet<QString>> &plannedFiles);

private:
    QString m_folder;
    bool m_exists = false;
    QStringList m_pngFiles;
    int m_listedImages = 0;
};

} // namespace iconsmith
