#include "app/apptestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/preferences.h"

namespace iconsmith::test {

void WindowTest::SetUp()
{
    ASSERT_TRUE(m_temp.isValid());
    clearPreferences();
    m_window = std::make_unique<MainWindow>();
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->connectOutlets(*m_window);
    m_delegate->setFolderOpener([this](const QString &folder) {
        m_shownFolders << folder;
        return true;
    });
}

void WindowTest::TearDown()
{
    // The window takes its sheets (alerts, choosers) with it.
    m_delegate.reset();
    m_window.reset();
}

QString WindowTest::tempPath(const QString &name) const
{
    return m_temp.filePath(name);
}

QString WindowTest::writeImage(const QString &name, QSize size, const QColor &color) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QString path = tempPath(name);
    EXPECT_TRUE(image.save(path, "PNG")) << qPrintable(path);
    return path;
}

QString WindowTest::writeTransparentImage(const QString &name, QSize size, const QColor &color) const
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(QPoint(size.width() / 4, size.height() / 4), size / 2), color);
    QString path = tempPath(name);
    EXPECT_TRUE(image.save(path, "PNG")) << qPrintable(path);
    return path;
}

QString WindowTest::writeFile(const QString &name, const QByteArray &contents) const
{
    QString path = tempPath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(contents);
    return path;
}

void WindowTest::pressGenerate() const
{
    m_window->generateButton()->click();
    waitForGeneration(*m_delegate);
}

void waitForWell(const RedBorderImageView &well)
{
    EXPECT_TRUE(QTest::qWaitFor([&well] { return !well.isLoading(); }, 30000));
}

void waitForGeneration(const AppDelegate &delegate)
{
    EXPECT_TRUE(QTest::qWaitFor([&delegate] { return !delegate.isGenerating(); }, 60000));
}

std::unique_ptr<QMimeData> fileDrag(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

namespace {

constexpr Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

DragOutcome send(QWidget *target, QDropEvent &event)
{
    // Start from a refused drag, so that only the target's own answer counts.
    event.setDropAction(Qt::IgnoreAction);
    event.ignore();
    QCoreApplication::sendEvent(target, &event);
    return {event.isAccepted(), event.dropAction()};
}

DragOutcome enter(QWidget *target, const QMimeData &data)
{
    QDragEnterEvent event(target->rect().center(), offered, &data, Qt::LeftButton, Qt::NoModifier);
    return send(target, event);
}

// Moves and drops go to the widget that accepted the drag's entry, and the application
// remembers that widget until the drag leaves or drops; every helper therefore ends its drag.
void leave(QWidget *target)
{
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

DragOutcome sendDragEnter(QWidget *target, const QMimeData &data)
{
    const DragOutcome outcome = enter(target, data);
    leave(target);
    return outcome;
}

DragOutcome sendDragMove(QWidget *target, const QMimeData &data)
{
    enter(target, data);
    QDragMoveEvent event(target->rect().center(), offered, &data, Qt::LeftButton, Qt::NoModifier);
    const DragOutcome outcome = send(target, event);
    leave(target);
    return outcome;
}

DragOutcome sendDrop(QWidget *target, const QMimeData &data)
{
    if (!enter(target, data).accepted)
        return {};
    QDropEvent event(QPointF(target->rect().center()), offered, &data, Qt::LeftButton, Qt::NoModifier);
    const DragOutcome outcome = send(target, event);
    // The well reads a dropped file in the background; what the drop did shows once it is read.
    if (const auto *well = qobject_cast<const RedBorderImageView *>(target))
        waitForWell(*well);
    return outcome;
}

void clearPreferences()
{
    QSettings settings(Preferences::organizationName.toString(), Preferences::applicationName.toString());
    settings.clear();
    settings.sync();
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace iconsmith::test
