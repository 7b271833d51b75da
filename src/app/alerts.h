#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "generation/existingset.h"
#include "generation/generationreport.h"

class QMessageBox;
class QWidget;

namespace iconsmith {

/**
 * The message boxes of the window. Each opens as a sheet on @p window (window-modal), deletes
 * itself when closed and carries an object name by which tests find it.
 */
class Alerts
{
    Q_DECLARE_TR_FUNCTIONS(Alerts)

public:
    /** The answers to the question about an icon set already in the folder. */
    enum class Answer { Replace, Keep, Cancel };

    /** The missing-input alert: @p text, and what is missing, one per line. */
    static QMessageBox *missingInput(QWidget *window, const QString &text, const QStringList &missing);
    /**
     * Every failure of @p report: how many in the text, each one under "Details", and the next
     * step; "Choose Another Folder…" is the way to take it (choseAnotherFolder() reads it).
     */
    static QMessageBox *failure(QWidget *window, const GenerationReport &report);
    /** Whether a failure or refusal alert was closed with "Choose Another Folder…". */
    static bool choseAnotherFolder(const QMessageBox &alert);
    /**
     * Why nothing can be generated: an output larger than Iconsmith makes, a picture that cannot be
     * read, a name that cannot be a file's, a save folder that cannot take the files; it offers
     * "Choose Another Folder…" too.
     */
    static QMessageBox *refused(QWidget *window, const QString &reason);
    /**
     * Asks whether to update the project @p summary describes in @p folder, @p changes saying how
     * many files change and @p details listing each; Return updates.
     */
    static QMessageBox *projectUpdate(QWidget *window, const QString &summary, const QString &folder,
                                      const QString &changes, const QString &details);
    /** Whether @p question was answered with its button that goes ahead. */
    static bool wentAhead(const QMessageBox &question);
    /**
     * Asks what to do with the set in @p folder that the new one would spoil (for targets: the
     * folders of the targets already there): replace it (the default button), keep its other
     * files, or cancel. answer() reads the reply.
     */
    static QMessageBox *existingSet(QWidget *window, const QString &folder, const ExistingSet::Conflict &conflict);
    /** The reply to an existingSet() question; Cancel for any way of closing it but the two buttons. */
    static Answer answer(const QMessageBox &question);
    /** Shows @p text as an information sheet (About, a document that could not be opened). */
    static QMessageBox *information(QWidget *window, const QString &objectName, const QString &text,
                                    const QString &informative = {});
    /**
     * Says @p text: @p path could not be opened (the README) for @p reason; "Copy Path" puts the
     * path on the clipboard, so that it can be opened by hand, and closes the alert.
     */
    static QMessageBox *notOpened(QWidget *window, const QString &text, const QString &path, const QString &reason);

private:
    static void offerAnotherFolder(QMessageBox *alert);
};

} // namespace iconsmith
