#pragma once

#include <QLineEdit>
#include <QString>

class QMimeData;

namespace iconsmith {

/**
 * The save-folder field: a line edit that takes a dropped folder as its whole text. A dropped
 * folder becomes the path, a dropped file its folder; a drop of anything that is not a local
 * file or folder (a web address, say) is refused. Text dragged from elsewhere is inserted as a
 * line edit inserts it.
 */
class FolderField : public QLineEdit
{
    Q_OBJECT

public:
    explicit FolderField(QWidget *parent = nullptr);

    /** The folder a drop of @p data names: the last local folder, or the folder of the last local file; empty for none.
     */
    [[nodiscard]] static QString droppedFolder(const QMimeData *data);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

} // namespace iconsmith
