#include "app/alerts.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace iconsmith {

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
    alert->setStandardButtons(QMessageBox::Ok);
    const GenerationReport::Failure &first = report.failures.constFirst();
    const int count = int(report.failures.size());
    alert->setInformativeText(tr("%n problem(s). The first: %1 — %2", nullptr, count)
                                  .arg(QDir::toNativeSeparators(first.path), first.reason));
    QStringList details;
    for (const GenerationReport::Failure &failure : report.failures)
        details << tr("%1: %2").arg(QDir::toNativeSeparators(failure.path), failure.reason);
    alert->setDetailedText(details.join(u'\n'));
    alert->open();
    return alert;
}

QMessageBox *Alerts::refused(QWidget *window, const QString &reason)
{
    QMessageBox *alert = sheet(window, QMessageBox::Warning, QStringLiteral("refusedAlert"),
                               tr("These files cannot be made, so nothing was written."));
    alert->setStandardButtons(QMessageBox::Ok);
    alert->setInformativeText(reason);
    alert->open();
    return alert;
}

QMessageBox *Alerts::existingSet(QWidget *window, const QString &folder, const ExistingSet::Conflict &conflict)
{
    const QString name = QDir::toNativeSeparators(folder);
    const QString text =
        conflict.leftOvers.isEmpty()
            ? tr("%1 lists %n image(s), and the new catalog lists none.", nullptr, conflict.listedImagesLost).arg(name)
            : tr("%1 holds %n image(s) that the new set does not list.", nullptr, int(conflict.leftOvers.size()))
                  .arg(name);
    QMessageBox *question = sheet(window, QMessageBox::Question, QStringLiteral("existingSetQuestion"), text);
    question->setInformativeText(
        tr("Replace moves the old folder to the trash (where there is no trash for it, it is kept beside under "
           "a name ending in \".replaced-\" and the date) and writes a complete new set in its place. Keep the "
           "other files leaves them in the folder, where Xcode shows them as unassigned."));
    if (!conflict.leftOvers.isEmpty())
        question->setDetailedText(tr("Files the new set does not list:") + u'\n' + conflict.leftOvers.join(u'\n'));
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

} // namespace iconsmith
