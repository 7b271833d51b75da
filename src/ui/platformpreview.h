#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "generation/generationreport.h"
#include "ui/backgroundtask.h"
#include "ui/platformscenes.h"

namespace iconsmith {

/**
 * The icons a generation wrote as each system will show them, side by side: the iOS home screen
 * in light, dark and tinted mode, Android's adaptive icon under a circle and a squircle mask and
 * its themed icon, the macOS Dock on a light and a dark desktop, the watch face, and a browser's
 * tab strip with the 16-pixel favicon. Each scene is made from the written files read back off
 * the GUI thread; the source is never looked at.
 */
class PlatformPreview : public QWidget
{
    Q_OBJECT

public:
    explicit PlatformPreview(QWidget *parent = nullptr);

    /** Shows the scenes that the images among @p files (written into @p folder) allow, and starts reading them. */
    void setFiles(const QList<GenerationReport::WrittenFile> &files, const QString &folder);
    /** Whether the files hold nothing any scene shows (a scaled image set, say). */
    [[nodiscard]] bool isEmpty() const { return m_sources.isEmpty(); }
    /** The scenes read so far: none until reading has finished. */
    [[nodiscard]] const QList<PlatformScene> &scenes() const { return m_scenes; }
    /** Whether the files are still being read. */
    [[nodiscard]] bool isReading() const { return m_reading.isRunning(); }
    /** What a scene of @p kind is called under it. */
    [[nodiscard]] static QString caption(PlatformScene::Kind kind);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

Q_SIGNALS:
    /** Every scene has been read. */
    void scenesRead();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] static int cardWidth(PlatformScene::Kind kind);
    [[nodiscard]] QRectF sceneRect(int index) const;
    void paintScene(QPainter &painter, const PlatformScene &scene, const QRectF &box) const;
    void paintIcon(QPainter &painter, const PlatformScene &scene, QPointF centre) const;
    void paintDock(QPainter &painter, const PlatformScene &scene, const QRectF &box, bool dark) const;
    void paintBrowserTab(QPainter &painter, const PlatformScene &scene, const QRectF &box) const;
    void describe();

    PlatformScenes::Sources m_sources;
    QList<PlatformScene> m_scenes;
    // The reading holds copies of what it needs, so it is left to end on its own.
    BackgroundTask m_reading{BackgroundTask::Ending::Detach};
};

} // namespace iconsmith
