#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <optional>

#include <QHash>
#include <QStringList>

#include "check/checkreport.h"
#include "common/result.h"

namespace iconsmith {

/** What the check read of an image file: its pixel size and whether it has alpha. */
struct CheckedImage
{
    QSize size;
    bool alpha = false;
    bool webp = false;
};

/**
 * The folder one checker works in, and the only way it reaches files: every name a document
 * gives (a Contents.json file name, a manifest's src, an Android reference) is resolved here,
 * and nothing outside the folder is ever opened or even looked up. Names with "..", a leading
 * "/" or "\", or a NUL are refused; a link is followed only to a file inside the folder. Files
 * are read through RegularFile, so a FIFO or a device is refused unread.
 *
 * Problems and notes are filed with the file's path relative to the path the user checked.
 */
class CheckScope
{
    Q_DECLARE_TR_FUNCTIONS(CheckScope)

public:
    /**
     * @p canonicalRoot is the folder (a canonical path); @p shownAs its path relative to what the
     * user checked (empty when it is that path itself), and @p checkedRoot the canonical path of
     * what the user checked (empty: @p canonicalRoot).
     */
    CheckScope(QString canonicalRoot, QString shownAs, CheckReport &report, QString checkedRoot = {});

    [[nodiscard]] const QString &root() const { return m_root; }
    /** The canonical path of the folder the user checked, which holds root(). */
    [[nodiscard]] const QString &checkedRoot() const { return m_checkedRoot; }
    /** The path of @p relative as the report shows it. */
    [[nodiscard]] QString shown(const QString &relative) const;

    /**
     * The path of the file @p relative (segments separated by "/") inside the folder, which may
     * not exist, or why it is not opened.
     */
    [[nodiscard]] Result<QString> resolve(const QString &relative) const;
    /** Whether @p relative resolves to something that exists (a dangling name does not). */
    [[nodiscard]] bool exists(const QString &relative) const;
    /** The whole file, at most @p maxBytes; failures say why, to follow the file's name. */
    [[nodiscard]] Result<QByteArray> read(const QString &relative, qint64 maxBytes) const;
    /** The first @p maxBytes of the file at most; fails unless it is a regular file. */
    [[nodiscard]] Result<QByteArray> readHead(const QString &relative, qint64 maxBytes) const;
    /** Which image formats a reader of the folder takes. */
    enum class Formats { Png, PngOrWebp };
    /**
     * Reads the image file @p relative whole (at most InputLimits::maxCheckedImageBytes): its
     * header gives the size, and its data must be complete (every PNG chunk whole with a valid
     * CRC up to IEND; a WebP container as long as it says). Each file is read once per scope.
     */
    [[nodiscard]] Result<CheckedImage> image(const QString &relative, Formats formats = Formats::Png);

    /**
     * Reads the image @p relative, counts it as an image checked and files a problem when it is
     * missing, unreadable, damaged or does not measure @p expected; @p what names what needs
     * that size ("xxhdpi at 48 dp"). Returns what was read when it could be.
     */
    std::optional<CheckedImage> measure(const QString &relative, QSize expected, const QString &what,
                                        Formats formats = Formats::Png);

    enum class Entries { Files, Folders };
    /**
     * The names of the files or folders in the folder @p relative ("" for the scope's own), in
     * order. The listing stops at maxEntries (a problem says so). A linked folder is left out:
     * with a problem when it leads out of the checked folder, else with a note. A linked file is
     * listed; resolve() refuses it when it leads out.
     */
    [[nodiscard]] QStringList entries(const QString &relative, Entries which);
    /** The most entries one folder is listed with. */
    static constexpr int maxEntries = 20000;

    void problem(const QString &relative, const QString &message);
    void note(const QString &relative, const QString &message);
    void countImages(int count = 1) { m_report.imagesChecked += count; }
    /** Records that the folder (or its file @p relative) was recognised as a @p kind and checked. */
    void found(const QString &kind, const QString &relative = {});

    /** Whether @p relative is a name that stays inside a folder (no "..", nothing absolute, no NUL). */
    static bool isInsideName(const QString &relative);
    /** The same for one plain file name: no separator at all. */
    static bool isPlainName(const QString &name);

private:
    [[nodiscard]] Result<CheckedImage> readImage(const QString &relative) const;

    QString m_root;
    QString m_checkedRoot;
    QString m_shownAs;
    CheckReport &m_report;
    // Each image's verdict, so that a document naming one file many times costs one read.
    struct ImageVerdict
    {
        CheckedImage image;
        QString error;
    };
    QHash<QString, ImageVerdict> m_images;
};

} // namespace iconsmith
