#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

#include "app/apptestsupport.h"
#include "app/preferences.h"
#include "ui/colorswatchbutton.h"
#include "ui/redborderimageview.h"

namespace iconsmith::test {
namespace {

const QColor slate(0x33, 0x66, 0x99);
const QColor mint(0x3e, 0xb4, 0x89);

std::optional<RgbColor> rgb(const QColor &color)
{
    return RgbColor{std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())};
}

// The colour type in a PNG's header: 2 is RGB, 6 is RGB with alpha.
int pngColourType(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(26);
    return header.size() == 26 ? int(quint8(header[25])) : -1;
}

QVariant storedBackground()
{
    return QSettings(Preferences::organizationName.toString(), Preferences::applicationName.toString())
        .value(Preferences::backgroundColorKey.toString());
}

class Background : public WindowTest
{
protected:
    [[nodiscard]] ColorSwatchButton *button() const { return window().backgroundButton(); }
    [[nodiscard]] QToolButton *removeButton() const { return window().noBackgroundButton(); }

    [[nodiscard]] QColorDialog *openChooser() const
    {
        button()->click();
        return visibleTopLevel<QColorDialog>();
    }

    void choose(const QColor &color) const
    {
        QColorDialog *chooser = openChooser();
        ASSERT_NE(chooser, nullptr);
        chooser->setCurrentColor(color);
        chooser->accept();
        ASSERT_EQ(visibleTopLevel<QColorDialog>(), nullptr);
    }

    void expectOff(const MainWindow &shown, const AppDelegate &controller) const
    {
        EXPECT_EQ(controller.request().background, std::nullopt);
        EXPECT_FALSE(shown.backgroundButton()->color().isValid());
        EXPECT_TRUE(shown.noBackgroundButton()->isHidden());
        EXPECT_FALSE(shown.BigIcon()->fillColor().isValid());
    }

    void expectOn(const MainWindow &shown, const AppDelegate &controller, const QColor &color) const
    {
        EXPECT_EQ(controller.request().background, rgb(color));
        EXPECT_EQ(shown.backgroundButton()->color(), color);
        EXPECT_TRUE(shown.backgroundButton()->text().contains(color.name(), Qt::CaseInsensitive));
        EXPECT_FALSE(shown.noBackgroundButton()->isHidden());
        EXPECT_EQ(shown.BigIcon()->fillColor(), color);
    }

    // A new start of the program over the same settings.
    void expectAfterRestart(const std::optional<QColor> &color) const
    {
        MainWindow nextWindow;
        AppDelegate nextStart;
        nextStart.connectOutlets(nextWindow);
        nextStart.applicationDidFinishLaunching();
        if (color)
            expectOn(nextWindow, nextStart, *color);
        else
            expectOff(nextWindow, nextStart);
    }
};

TEST_F(Background, IsOffUntilChosenThenUsedAndRememberedAcrossARestart)
{
    delegate().applicationDidFinishLaunching();
    expectOff(window(), delegate());

    QColorDialog *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    EXPECT_EQ(chooser->parentWidget(), &window());
    // Icons are opaque once filled, so there is no alpha to choose.
    EXPECT_FALSE(chooser->testOption(QColorDialog::ShowAlphaChannel));
    chooser->setCurrentColor(slate);
    chooser->accept();

    expectOn(window(), delegate(), slate);
    EXPECT_EQ(storedBackground().toString(), QStringLiteral("#336699"));
    expectAfterRestart(slate);

    // The chooser starts from the colour in use.
    chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->currentColor(), slate);
    chooser->reject();
}

TEST_F(Background, CancellingTheChooserChangesNothing)
{
    delegate().applicationDidFinishLaunching();
    for (const std::optional<QColor> &before : {std::optional<QColor>(), std::optional<QColor>(slate)}) {
        if (before)
            choose(*before);
        const QVariant stored = storedBackground();

        QColorDialog *chooser = openChooser();
        ASSERT_NE(chooser, nullptr);
        chooser->setCurrentColor(mint);
        chooser->reject();

        if (before)
            expectOn(window(), delegate(), *before);
        else
            expectOff(window(), delegate());
        EXPECT_EQ(storedBackground(), stored);
        expectAfterRestart(before);

        // The completion itself, as the chooser calls it.
        delegate().backgroundColorChosen(QDialog::Rejected, mint);
        EXPECT_EQ(delegate().request().background, before ? rgb(*before) : std::nullopt);
    }
}

TEST_F(Background, RemovingItKeepsTransparencyFromThenOn)
{
    delegate().applicationDidFinishLaunching();
    choose(mint);
    removeButton()->setFocus();

    removeButton()->click();

    expectOff(window(), delegate());
    EXPECT_FALSE(removeButton()->hasFocus());
    EXPECT_FALSE(Preferences::backgroundColor().has_value());
    expectAfterRestart(std::nullopt);
}

TEST_F(Background, AStoredValueThatIsNoColourMeansNone)
{
    QSettings settings(Preferences::organizationName.toString(), Preferences::applicationName.toString());
    for (const QString &stored : {QString(), QStringLiteral("#33669"), QStringLiteral("transparent"),
                                  QStringLiteral("#33669g"), QStringLiteral("rgb(1,2,3)")}) {
        SCOPED_TRACE(qPrintable(stored));
        settings.setValue(Preferences::backgroundColorKey.toString(), stored);
        settings.sync();
        expectAfterRestart(std::nullopt);
    }
}

TEST_F(Background, GenerateWritesOpaqueRgbFilesWhoseTransparentPartsAreTheColour)
{
    const QString output = tempPath(QStringLiteral("out"));
    window().pathFiled()->setText(QDir::toNativeSeparators(output));
    ASSERT_TRUE(window().BigIcon()->loadFile(writeTransparentImage(QStringLiteral("logo.png"), {64, 64})));
    choose(slate);

    for (const int choice : {0, 6}) {
        SCOPED_TRACE(choice);
        QDir(output).removeRecursively();
        window().selectPlatform(*Platform::fromChoice(choice));
        delegate().platformSelected();
        pressGenerate();

        QStringList pngs = filesBelow(output).filter(QStringLiteral(".png"));
        ASSERT_GE(pngs.size(), 3);
        for (const QString &name : pngs) {
            const QString path = output + u'/' + name;
            EXPECT_EQ(pngColourType(path), 2) << qPrintable(name);
            const QImage image(path);
            EXPECT_FALSE(image.hasAlphaChannel()) << qPrintable(name);
            EXPECT_EQ(QColor(image.pixel(0, 0)), slate) << qPrintable(name);
        }
    }

    // The same source without a background keeps its transparent corners.
    window().noBackgroundButton()->click();
    QDir(output).removeRecursively();
    pressGenerate();
    const QString largest = output + QStringLiteral("/Image@3x.png");
    EXPECT_EQ(pngColourType(largest), 6);
    EXPECT_EQ(qAlpha(QImage(largest).pixel(0, 0)), 0);
}

TEST_F(Background, TheWellShowsThePictureOnTheColour)
{
    RedBorderImageView &well = *window().BigIcon();
    well.setFixedSize(200, 200);
    ASSERT_TRUE(well.loadFile(writeTransparentImage(QStringLiteral("logo.png"), {64, 64}, Qt::red)));
    const auto pixelAt = [&well](QPoint point) {
        QImage image(well.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        well.render(&image);
        return QColor(image.pixel(point));
    };
    // Inside the picture's transparent corner, and in its opaque middle.
    const QPoint corner(30, 30);
    const QPoint middle(100, 100);
    EXPECT_NE(pixelAt(corner), slate);

    choose(slate);
    EXPECT_EQ(pixelAt(corner), slate);
    EXPECT_EQ(pixelAt(middle), QColor(Qt::red));

    window().noBackgroundButton()->click();
    EXPECT_NE(pixelAt(corner), slate);
}

} // namespace
} // namespace iconsmith::test
