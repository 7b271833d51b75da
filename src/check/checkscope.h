#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <optional>

#include "check/checkreport.h"
#include "codec/imageheader.h"
#include "common/result.h"

namespace iconsmith {

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
     * user checked (empty when it is that path itself).
     */
    CheckScope(QString canonicalRoot, QString shownAs, CheckReport &report);

    [[nodiscard]] const QString &root() const { return m_root; }
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
    /** The header of the PNG file @p relative. */
    [[nodiscard]] Result<ImageHeader> pngHeader(const QString &relative) const;

    /**
     * Reads the header of the PNG @p relative, counts it as an image checked and files a problem
     * when it is missing, unreadable or does not measure @p expected; @p what names what needs
     * that size ("xxhdpi at 48 dp"). Returns the header when it could be read.
     */
    std::optional<ImageHeader> measurePng(const QString &relative, QSize expected, const QString &what);

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
    QString m_root;
    QString m_shownAs;
    CheckReport &m_report;
};

} // namespace iconsmith
