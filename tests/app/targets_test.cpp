#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/apptestsupport.h"
#include "app/preferences.h"
#include "check/iconsetcheck.h"
#include "ui/platformpreview.h"
#include "ui/resultspanel.h"
#include "ui/splashpanel.h"
#include "ui/targetspanel.h"

namespace iconsmith::test {
namespace {

class Targets : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_output = tempPath(QStringLiteral("out put"));
        window().pathFiled()->setText(QDir::toNativeSeparators(m_output));
        ASSERT_TRUE(window().BigIcon()->loadFile(writeImage(QStringLiteral("source.png"), {256, 256})));
        window().selectPlatform(Platform::targets());
        delegate().platformSelected();
        // Ticked as a user does, so the choice is remembered as well.
        panel().setTargets({});
        panel().targetBox(QStringLiteral("ios"))->click();
        panel().targetBox(QStringLiteral("android"))->click();
    }

    [[nodiscard]] TargetsPanel &panel() const { return *window().targetsPanel(); }

    [[nodiscard]] QStringList listedFiles() const
    {
        QStringList names;
        const QTreeWidget *list = window().resultsPanel()->fileList();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            names << list->topLevelItem(row)->text(0);
        return names;
    }

    QString m_output;
};

TEST_F(Targets, TheTargetsItemWritesTheTickedTargetsIntoFoldersOfTheirOwn)
{
    EXPECT_FALSE(panel().isHidden());
    EXPECT_TRUE(window().classicOptions()->isHidden());
    EXPECT_EQ(Preferences::targets(), (QStringList{QStringLiteral("ios"), QStringLiteral("android")}));
    // Tab reaches the group's boxes after the classic options and before Generate.
    QWidget *next = window().zoomOutCheckButton();
    QStringList order;
    while ((next = next->nextInFocusChain()) != window().zoomOutCheckButton() && order.size() < 100)
        order << next->objectName();
    EXPECT_LT(order.indexOf(QStringLiteral("target-ios")), order.indexOf(QStringLiteral("keepShapeBox")));
    EXPECT_LT(order.indexOf(QStringLiteral("keepShapeBox")), order.indexOf(QStringLiteral("generateButton")));
    EXPECT_GE(order.indexOf(QStringLiteral("target-ios")), 0) << qPrintable(order.join(u' '));

    pressGenerate();

    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
    EXPECT_TRUE(QFileInfo(m_output + QStringLiteral("/ios/AppIcon.appiconset/Contents.json")).isFile());
    EXPECT_TRUE(QFileInfo(m_output + QStringLiteral("/android")).isDir());
    EXPECT_EQ(QDir(m_output).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("android"), QStringLiteral("ios")}));
    EXPECT_EQ(m_shownFolders, QStringList{m_output});
    // Listed by their place inside the save folder, as the same names recur across targets.
    EXPECT_TRUE(
        listedFiles().contains(QDir::toNativeSeparators(QStringLiteral("ios/AppIcon.appiconset/Contents.json"))))
        << qPrintable(listedFiles().join(u' '));
    // An opaque source has no dark appearance of its own; the panel says so in the window's
    // terms, naming the field that gives one rather than an option of the command line.
    const QLabel *notes = window().resultsPanel()->notesLabel();
    EXPECT_FALSE(notes->isHidden());
    EXPECT_TRUE(notes->text().contains(QStringLiteral("no dark icon"))) << qPrintable(notes->text());
    EXPECT_TRUE(notes->text().contains(TargetsPanel::pictureName(SourceRole::Dark))) << qPrintable(notes->text());
    EXPECT_FALSE(notes->text().contains(QStringLiteral("--"))) << qPrintable(notes->text());
    // The systems' view is what the panel opens on, made from the files written.
    EXPECT_EQ(window().resultsPanel()->previewTabs()->currentIndex(), 0);
    EXPECT_FALSE(window().resultsPanel()->platformPreview()->isEmpty());

    // Back to a classic choice: the panel goes and the classic options come back.
    window().selectPlatform(*Platform::fromChoice(Platform::IPhone));
    delegate().platformSelected();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_FALSE(window().classicOptions()->isHidden());
}

TEST_F(Targets, ASecondRunAsksAboutTheFilesItWouldLeaveAndReplaceLeavesASetThatPassesTheCheck)
{
    // A logo on transparency gets a dark iOS icon; the opaque picture after it does not.
    ASSERT_TRUE(
        window().BigIcon()->loadFile(writeTransparentImage(QStringLiteral("logo.png"), {256, 256}, Qt::darkBlue)));
    pressGenerate();
    const QString dark = m_output + QStringLiteral("/ios/AppIcon.appiconset/AppIcon-dark.png");
    ASSERT_TRUE(QFileInfo::exists(dark));
    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr) << "nothing to ask about the first time";

    ASSERT_TRUE(window().BigIcon()->loadFile(writeImage(QStringLiteral("photo.png"), {256, 256})));
    window().generateButton()->click();
    QMessageBox *question = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&question] { return (question = visibleTopLevel<QMessageBox>()) != nullptr; }));
    EXPECT_EQ(question->objectName(), QStringLiteral("existingSetQuestion"));
    EXPECT_TRUE(question->detailedText().contains(
        QDir::toNativeSeparators(QStringLiteral("ios/AppIcon.appiconset/AppIcon-dark.png"))))
        << qPrintable(question->detailedText());
    QTest::keyClick(question, Qt::Key_Return);
    waitForGeneration(delegate());

    EXPECT_FALSE(QFileInfo::exists(dark));
    EXPECT_TRUE(IconSetCheck::check(m_output).passed());
}

TEST_F(Targets, ThePaddingAroundALogoIsRememberedAndGoesIntoTheRequest)
{
    QSpinBox *padding = panel().paddingBox();
    ASSERT_NE(padding, nullptr);
    EXPECT_EQ(panel().padding(), std::nullopt) << "each platform's own until one is chosen";
    EXPECT_FALSE(Preferences::padding().has_value());
    padding->setValue(30);
    EXPECT_EQ(Preferences::padding(), 30.0);
    EXPECT_EQ(delegate().request().padding, 30.0);
    padding->setValue(padding->minimum());
    EXPECT_FALSE(Preferences::padding().has_value());
    EXPECT_EQ(delegate().request().padding, std::nullopt);
    // Tab reaches it between the Android inset and the shape choice.
    QWidget *next = panel().insetBox();
    QStringList order;
    while ((next = next->nextInFocusChain()) != panel().insetBox() && order.size() < 100) {
        // A spin box's own line edit follows it in the chain.
        if (!next->objectName().isEmpty() && !next->objectName().startsWith(QStringLiteral("qt_")))
            order << next->objectName();
    }
    EXPECT_EQ(order.indexOf(QStringLiteral("paddingBox")), 0) << qPrintable(order.join(u' '));
}

TEST_F(Targets, TheLaunchScreensBoxGoesIntoTheRequestAndAColourItCannotReadIsMissingInput)
{
    SplashPanel *splash = panel().splashPanel();
    ASSERT_NE(splash, nullptr);
    panel().targetBox(QStringLiteral("splash"))->click();
    const QString logo = writeImage(QStringLiteral("logo.png"), {64, 64});
    panel().pictureField(SourceRole::SplashLogo)->setText(logo);
    splash->backgroundField()->setText(QStringLiteral("#102030"));
    const GenerationRequest request = delegate().request();
    EXPECT_EQ(request.pictures.value(SourceRole::SplashLogo), logo);
    EXPECT_EQ(request.splashBackground, (RgbColor{16, 32, 48}));
    EXPECT_EQ(request.splashDarkBackground, std::nullopt);

    splash->darkBackgroundField()->setText(QStringLiteral("nearly black"));
    pressGenerate();
    const auto *missing = visibleTopLevel<QMessageBox>();
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->informativeText().contains(QStringLiteral("nearly black")))
        << qPrintable(missing->informativeText());
    EXPECT_FALSE(QFileInfo::exists(m_output));
}

TEST_F(Targets, APictureThatCannotBeReadIsNamedAndNothingIsWritten)
{
    const QString dark = writeFile(QStringLiteral("dark.png"), "not a picture");
    panel().pictureField(SourceRole::Dark)->setText(dark);

    pressGenerate();

    auto *alert = visibleTopLevel<QMessageBox>();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->objectName(), QStringLiteral("refusedAlert"));
    EXPECT_TRUE(alert->informativeText().contains(QDir::toNativeSeparators(dark)))
        << qPrintable(alert->informativeText());
    EXPECT_FALSE(QFileInfo::exists(m_output));
    EXPECT_FALSE(delegate().isGenerating());

    // No target ticked is missing input, with the usual alert.
    alert->close();
    panel().pictureField(SourceRole::Dark)->clear();
    panel().setTargets({});
    window().generateButton()->click();
    const auto *missing = visibleTopLevel<QMessageBox>();
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->text(), AppDelegate::tr("Alert"));
    EXPECT_FALSE(QFileInfo::exists(m_output));
}

} // namespace
} // namespace iconsmith::test
