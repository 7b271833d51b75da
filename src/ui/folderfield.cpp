#include "ui/folderfield.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace iconsmith {

FolderField::FolderField(QWidget *parent) : QLineEdit(parent) {}

QString FolderField::droppedFolder(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    // The last local one, as a field shows the last of several things dropped on it.
    QString folder;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo dropped(url.toLocalFile());
        folder = dropped.isDir() ? dropped.absoluteFilePath() : dropped.absolutePath();
    }
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(QDir::cleanPath(folder));
}

void FolderField::dragEnterEvent(QDragEnterEvent *event)
{
    // Addresses are the field's whole new text, never inserted into it (a file:// address in the
    // middle of a path would name a folder of that name).
    if (!event->mimeData()->hasUrls()) {
        QLineEdit::dragEnterEvent(event);
        return;
    }
    if (droppedFolder(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderField::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->mimeData()->hasUrls()) {
        QLineEdit::dragMoveEvent(event);
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString folder = droppedFolder(event->mimeData());
    if (folder.isEmpty()) {
        event->ignore();
        return;
    }
    // Through the undo stack and textEdited, as typing the path would.
    selectAll();
    insert(folder);
    setFocus(Qt::OtherFocusReason);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace iconsmith
