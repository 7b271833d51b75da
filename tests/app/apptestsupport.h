#pragma once

#include <QApplication>
#include <QColor>
#include <QList>
#include <QMimeData>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "app/appdelegate.h"
#include "ui/mainwindow.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {

/** The window and its controller as the program wires them, with shown folders recorded instead of opened. */
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] MainWindow &window() const { return *m_window; }
    [[nodiscard]] AppDelegate &delegate() const { return *m_delegate; }
    /** A path inside the test's own temporary folder. */
    [[nodiscard]] QString tempPath(const QString &name) const;
    /** Writes an opaque PNG of @p size filled with @p color and returns its path. */
    [[nodiscard]] QString writeImage(const QString &name, QSize size, const QColor &color = QColor(220, 40, 40)) const;
    /**
     * Writes a PNG of @p size that is transparent except for an opaque @p color rectangle in its
     * middle half, and returns its path.
     */
    [[nodiscard]] QString writeTransparentImage(const QString &name, QSize size,
                                                const QColor &color = QColor(220, 40, 40)) const;
    /** Writes a file with @p contents and returns its path. */
    [[nodiscard]] QString writeFile(const QString &name, const QByteArray &contents) const;
    /** Clicks Generate and waits until the generation it started (if any) has finished. */
    void pressGenerate() const;

    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<AppDelegate> m_delegate;
    QTemporaryDir m_temp;
    QStringList m_shownFolders;
};

/** The visible top-level window of type @p T (a dialog, a message box), or null. */
template <typename T> T *visibleTopLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget); found != nullptr && found->isVisible())
            return found;
    }
    return nullptr;
}

/** How many visible top-level windows of type @p T there are. */
template <typename T> int visibleTopLevelCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget); found != nullptr && found->isVisible())
            ++count;
    }
    return count;
}

/** What the target made of a drag event: whether it accepted it and the action it chose. */
struct DragOutcome
{
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

/** Waits until @p well has read the file it is loading, if any. */
void waitForWell(const RedBorderImageView &well);
/** Waits until @p delegate has no generation running. */
void waitForGeneration(const AppDelegate &delegate);

/** Mime data as a file manager puts it on a drag of @p paths. */
std::unique_ptr<QMimeData> fileDrag(const QStringList &paths);
/** A whole drag of @p data over @p target: what the target answered to its entry, its move or its drop. */
DragOutcome sendDragEnter(QWidget *target, const QMimeData &data);
DragOutcome sendDragMove(QWidget *target, const QMimeData &data);
DragOutcome sendDrop(QWidget *target, const QMimeData &data);

/** Removes every stored preference. */
void clearPreferences();
/** Every file below @p folder, relative to it, sorted. */
QStringList filesBelow(const QString &folder);

} // namespace iconsmith::test
