#include "app/alerts.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QMessageBox *sheet(QWidget *window, QMessageBox::Icon icon, const QString &objectName, const QString &text)
{
    auto *box = new QMessageBox(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton, window);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    return box;
}

} // namespace

QMessageBox *Alerts::missingInput(QWidget *window, const QString &text, const QStringList &missing)
{
    QMessageBox *alert = sheet(window, QMessageBox::Warning, QStringLiteral("missingInputAlert"), text);
    alert->setStandardButtons(QMessageBox::Ok);
    alert->setInformativeText(missing.join(u'\n'));
    alert->open();
    return alert;
}

QMessageBox *Alerts::failure(QWidget *window, const GenerationReport &report)
{
    const QString folder = QDir::toNativeSeparators(report.folder);
    const bool nothing = report.distinctFiles().isEmpty();
    QMessageBox *alert = sheet(window, QMessageBox::Warning, QStringLiteral("generationFailedAlert"),
                               nothing ? tr("Nothing was written to %1.").arg(folder)
                                       : tr("Not everything could be written to %1.").arg(folder));
    const GenerationReport::Failure &first = report.failures.constFirst();
    const int count = int(report.failures.size());
    alert->setInformativeText(tr("%n problem(s). The first: %1 — %2", nullptr, count)
                                  .arg(QDir::toNativeSeparators(first.path), first.reason) +
                              u"\n\n"_s +
                              tr("Where the folder cannot be written to (no permission, a read-only or full disk), "
                                 "choose another save folder and press Generate again."));
    QStringList details;
    for (const GenerationReport::Failure &failure : report.failures)
        details << tr("%1: %2").arg(QDir::toNativeSeparators(failure.path), failure.reason);
    alert->setDetailedText(details.join(u'\n'));
    offerAnotherFolder(alert);
    alert->open();
    return alert;
}

void Alerts::offerAnotherFolder(QMessageBox *alert)
{
    QPushButton *choose = alert->addButton(tr("Choose Another Folder…"), QMessageBox::ActionRole);
    choose->setObjectName(u"chooseFolderButton"_s);
    alert->addButton(QMessageBox::Ok);
    alert->setDefaultButton(QMessageBox::Ok);
    // Escape and the window's close button answer OK, not the folder choice.
    alert->setEscapeButton(QMessageBox::Ok);
}

bool Alerts::choseAnotherFolder(const QMessageBox &alert)
{
    const QAbstractButton *clicked = alert.clickedButton();
    return clicked != nullptr && clicked->objectName() == u"chooseFolderButton";
}

QMessageBox *Alerts::refused(QWidget *window, const QString &reason)
{
    QMessageBox *alert = sheet(window, QMessageBox::Warning, QStringLiteral("refusedAlert"),
                               tr("These files cannot be made, so nothing was written."));
    alert->setInformativeText(reason);
    // Most refusals are about where the files would go: another folder is the next step.
    offerAnotherFolder(alert);
    alert->open();
    return alert;
}

QMessageBox *Alerts::projectUpdate(QWidget *window, const QString &summary, const QString &folder,
                                   const QString &changes, const QString &details)
{
    QMessageBox *question = sheet(window, QMessageBox::Question, u"projectUpdateQuestion"_s,
                                  tr("Update the icons of the project in %1?").arg(QDir::toNativeSeparators(folder)));
    question->setInformativeText(summary + u"\n\n"_s + changes);
    question->setDetailedText(details);
    QPushButton *update = question->addButton(tr("&Update Project"), QMessageBox::AcceptRole);
    update->setObjectName(u"updateButton"_s);
    QPushButton *cancel = question->addButton(QMessageBox::Cancel);
    cancel->setObjectName(u"cancelButton"_s);
    question->setDefaultButton(update);
    question->setEscapeButton(cancel);
    question->open();
    return question;
}

bool Alerts::wentAhead(const QMessageBox &question)
{
    return question.clickedButton() != nullptr &&
           question.buttonRole(question.clickedButton()) == QMessageBox::AcceptRole;
}

QMessageBox *Alerts::existingSet(QWidget *window, const QString &folder, const ExistingSet::Conflict &conflict)
{
    const QString name = QDir::toNativeSeparators(folder);
    const bool targets = conflict.folders.size() != 1 || conflict.folders.constFirst() != folder;
    QString text;
    if (conflict.leftOvers.isEmpty())
        text =
            tr("%1 lists %n image(s), and the new catalog lists none.", nullptr, conflict.listedImagesLost).arg(name);
    else if (targets)
        text = tr("The target folders in %1 hold %n file(s) that the new run does not write.", nullptr,
                  int(conflict.leftOvers.size()))
                   .arg(name);
    else
        text = tr("%1 holds %n image(s) that the new set does not list.", nullptr, int(conflict.leftOvers.size()))
                   .arg(name);
    QMessageBox *question = sheet(window, QMessageBox::Question, QStringLiteral("existingSetQuestion"), text);
    question->setInformativeText(
        targets ? tr("Replace moves each target's old folder to the trash (where there is no trash for it, it is "
                     "kept beside under a name ending in \".replaced-\" and the date) and writes a complete new one "
                     "in its place. "
                     "Keep the other files leaves them where they are, listed by nothing, and the set no longer "
                     "passes a check.")
                : tr("Replace moves the old folder to the trash (where there is no trash for it, it is kept beside "
                     "under a name ending in \".replaced-\" and the date) and writes a complete new set in its "
                     "place. Keep the other files leaves them in the folder, where Xcode shows them as "
                     "unassigned."));
    if (!conflict.leftOvers.isEmpty()) {
        QStringList files;
        for (const QString &file : conflict.leftOvers)
            files << QDir::toNativeSeparators(file);
        question->setDetailedText(tr("Files the new set does not list:") + u'\n' + files.join(u'\n'));
    }
    QPushButton *replace = question->addButton(tr("&Replace"), QMessageBox::AcceptRole);
    replace->setObjectName(QStringLiteral("replaceButton"));
    QPushButton *keep = question->addButton(tr("&Keep the Other Files"), QMessageBox::DestructiveRole);
    keep->setObjectName(QStringLiteral("keepButton"));
    QPushButton *cancel = question->addButton(QMessageBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Replacing is what leaves a set that checks clean, so it is what Return does.
    question->setDefaultButton(replace);
    question->setEscapeButton(cancel);
    question->open();
    return question;
}

Alerts::Answer Alerts::answer(const QMessageBox &question)
{
    const QAbstractButton *clicked = question.clickedButton();
    if (clicked == nullptr)
        return Answer::Cancel;
    if (clicked->objectName() == u"replaceButton")
        return Answer::Replace;
    if (clicked->objectName() == u"keepButton")
        return Answer::Keep;
    return Answer::Cancel;
}

QMessageBox *Alerts::information(QWidget *window, const QString &objectName, const QString &text,
                                 const QString &informative)
{
    QMessageBox *box = sheet(window, QMessageBox::Information, objectName, text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setInformativeText(informative);
    box->open();
    return box;
}

QMessageBox *Alerts::notOpened(QWidget *window, const QString &text, const QString &path, const QString &reason)
{
    QMessageBox *box = sheet(window, QMessageBox::Warning, u"notOpenedAlert"_s, text);
    box->setInformativeText(tr("It is at %1. %2").arg(QDir::toNativeSeparators(path), reason));
    QPushButton *copy = box->addButton(tr("Cop&y Path"), QMessageBox::ActionRole);
    copy->setObjectName(u"copyPathButton"_s);
    QObject::connect(copy, &QPushButton::clicked, box,
                     [path] { QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(path)); });
    box->addButton(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->open();
    return box;
}

} // namespace iconsmith
