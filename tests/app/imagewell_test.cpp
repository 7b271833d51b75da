#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTest>

#include "app/apptestsupport.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {
namespace {

class ImageWell : public WindowTest
{
protected:
    [[nodiscard]] RedBorderImageView *well() const { return window().BigIcon(); }
    [[nodiscard]] QString shownOrigin() const
    {
        return well()->image().isNull() ? QString() : well()->image().origin();
    }
};

TEST_F(ImageWell, OffersACopyForAnyDragWhatItCarries)
{
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    const auto files = fileDrag({writeImage(QStringLiteral("a.png"), {8, 8})});

    for (const QMimeData *data : {static_cast<const QMimeData *>(&text), static_cast<const QMimeData *>(&picture),
                                  static_cast<const QMimeData *>(files.get())}) {
        const DragOutcome enter = sendDragEnter(well(), *data);
        EXPECT_TRUE(enter.accepted);
        EXPECT_EQ(enter.action, Qt::CopyAction);
        const DragOutcome move = sendDragMove(well(), *data);
        EXPECT_TRUE(move.accepted);
        EXPECT_EQ(move.action, Qt::CopyAction);
    }
}

TEST_F(ImageWell, DropOfAnImageShowsItAndKeepsItAsTheSource)
{
    const QString path = writeImage(QStringLiteral("photo.png"), {40, 30}, Qt::blue);

    const DragOutcome drop = sendDrop(well(), *fileDrag({path}));

    EXPECT_TRUE(drop.accepted);
    EXPECT_EQ(drop.action, Qt::CopyAction);
    ASSERT_FALSE(well()->image().isNull());
    EXPECT_EQ(well()->image().size(), QSize(40, 30));
    EXPECT_EQ(shownOrigin(), path);
    ASSERT_FALSE(well()->preview().isNull());
    EXPECT_EQ(well()->preview().size(), QSize(40, 30));
    EXPECT_EQ(QColor(well()->preview().pixel(20, 15)), QColor(Qt::blue));
    EXPECT_TRUE(well()->problem().isEmpty());
}

TEST_F(ImageWell, DropOfSeveralFilesUsesOnlyTheLast)
{
    const QString first = writeImage(QStringLiteral("first.png"), {10, 10});
    const QString last = writeImage(QStringLiteral("last.png"), {12, 6});
    sendDrop(well(), *fileDrag({first, last}));
    EXPECT_EQ(shownOrigin(), last);

    // The last file decides even when it is no image and the others are.
    const QString notes = writeFile(QStringLiteral("notes.txt"), "shopping list\n");
    const DragOutcome drop = sendDrop(well(), *fileDrag({first, last, notes}));
    EXPECT_TRUE(drop.accepted);
    EXPECT_EQ(shownOrigin(), last) << "the other files are not tried instead";
    EXPECT_TRUE(well()->problem().contains(QStringLiteral("notes.txt"))) << qPrintable(well()->problem());
}

TEST_F(ImageWell, DropOfAFolderOrABrokenImageKeepsTheImageAndSaysWhy)
{
    const QString good = writeImage(QStringLiteral("good.png"), {16, 16});
    QFile png(good);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    // Cut inside the pixel data: the header still says PNG, the picture cannot be decoded.
    const QString truncated = writeFile(QStringLiteral("truncated.png"), png.readAll().left(60));
    QDir(m_temp.path()).mkdir(QStringLiteral("folder.png"));

    for (const QString &bad :
         {tempPath(QStringLiteral("folder.png")), truncated, tempPath(QStringLiteral("missing.png"))}) {
        ASSERT_TRUE(well()->loadFile(good));
        const DragOutcome drop = sendDrop(well(), *fileDrag({bad}));
        EXPECT_TRUE(drop.accepted) << qPrintable(bad);
        EXPECT_EQ(drop.action, Qt::CopyAction);
        EXPECT_EQ(shownOrigin(), good) << qPrintable(bad);
        EXPECT_FALSE(well()->preview().isNull());
        EXPECT_FALSE(well()->problem().isEmpty()) << qPrintable(bad);
        EXPECT_TRUE(well()->accessibleDescription().contains(well()->problem()));
    }
    // Into an empty well, a broken file leaves it empty, saying why.
    well()->clear();
    sendDrop(well(), *fileDrag({truncated}));
    EXPECT_TRUE(well()->image().isNull());
    EXPECT_FALSE(well()->problem().isEmpty());
}

TEST_F(ImageWell, DropWithoutLocalFilesChangesNothing)
{
    const QString path = writeImage(QStringLiteral("kept.png"), {16, 16});
    ASSERT_TRUE(well()->loadFile(path));

    QMimeData text;
    text.setText(QStringLiteral("/etc/hostname"));
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/picture.png"))});

    for (const QMimeData *data : {static_cast<const QMimeData *>(&text), static_cast<const QMimeData *>(&picture),
                                  static_cast<const QMimeData *>(&remote)}) {
        const DragOutcome drop = sendDrop(well(), *data);
        EXPECT_TRUE(drop.accepted);
        EXPECT_EQ(shownOrigin(), path);
    }
}

TEST_F(ImageWell, RoundCornerRepaintsEvenWhenUnchanged)
{
    RedBorderImageView view;
    EXPECT_FALSE(view.isRoundCorner());
    view.resize(120, 120);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    int paints = 0;
    struct PaintCounter : QObject
    {
        int *count;
        explicit PaintCounter(int *c) : count(c) {}
        bool eventFilter(QObject * /*watched*/, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    view.installEventFilter(&counter);

    for (const bool value : {false, false, true, true}) {
        const int before = paints;
        view.setRoundCorner(value);
        EXPECT_EQ(view.isRoundCorner(), value);
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints > before; }));
    }
}

TEST_F(ImageWell, CornerRadiusClipsThePictureCorners)
{
    RedBorderImageView view;
    view.resize(200, 200);
    ASSERT_TRUE(view.loadFile(writeImage(QStringLiteral("red.png"), {64, 64}, Qt::red)));
    const auto render = [&view] {
        QImage image(view.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        view.render(&image);
        return image;
    };
    // Find the picture's top-left corner along the diagonal of the square rendering.
    const QImage square = render();
    int corner = 0;
    while (corner < 100 && QColor(square.pixel(corner, corner)) != QColor(Qt::red))
        ++corner;
    ASSERT_LT(corner, 100);
    EXPECT_EQ(QColor(square.pixel(corner + 1, corner + 1)), QColor(Qt::red));

    view.setCornerRadius(25);
    const QImage rounded = render();
    EXPECT_NE(QColor(rounded.pixel(corner + 1, corner + 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(rounded.pixel(100, 100)), QColor(Qt::red));

    view.setCornerRadius(0);
    EXPECT_EQ(QColor(render().pixel(corner + 1, corner + 1)), QColor(Qt::red));
}

} // namespace
} // namespace iconsmith::test
