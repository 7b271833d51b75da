#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/apptestsupport.h"
#include "support/projectfixtures.h"
#include "ui/mainwindow.h"

namespace iconsmith::test {
namespace {

using namespace Qt::StringLiterals;

// The window's Project Folder…: the wiring from the choice to the update. What an update writes
// is the project layer's to prove.
class ProjectFolder : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_project = tempPath(u"flutter"_s);
        fixtures::flutterApp(m_project);
        window().BigIcon()->open(writeTransparentImage(u"logo.png"_s, QSize(1024, 1024)));
        waitForWell(*window().BigIcon());
    }
    void chooseProject() const
    {
        window().projectButton()->click();
        auto *chooser = visibleTopLevel<QFileDialog>();
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
        chooser->selectFile(m_project);
        static_cast<QDialog *>(chooser)->accept();
        ASSERT_TRUE(QTest::qWaitFor([this] { return label().contains(u"Generate changes"_s); }, 30000))
            << label().toStdString();
    }
    [[nodiscard]] QString label() const { return window().projectLabel()->text(); }
    [[nodiscard]] QByteArray iconDigest() const
    {
        QFile file(m_project + u"/android/app/src/main/res/mipmap-hdpi/ic_launcher.png"_s);
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                              : QByteArray();
    }
    [[nodiscard]] QMessageBox *pressGenerateForQuestion() const
    {
        window().generateButton()->click();
        QMessageBox *question = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&question] {
                question = visibleTopLevel<QMessageBox>();
                return question != nullptr && question->objectName() == u"projectUpdateQuestion";
            },
            30000));
        return question;
    }

    QString m_project;
};

TEST_F(ProjectFolder, SaysWhatWasFoundAndWhatGenerateChangesAndHoldsMakeAtTheTargets)
{
    chooseProject();
    EXPECT_TRUE(label().contains(u"Flutter app: Android, iOS, macOS, web, Windows"_s));
    EXPECT_TRUE(label().contains(u"trash"_s));
    EXPECT_TRUE(window().projectBox()->isVisibleTo(&window()));
    EXPECT_EQ(window().platform(), std::optional(Platform::targets()));
    EXPECT_FALSE(window().platformSelection()->isEnabled());

    // Typing another folder writes into a save folder again.
    QTest::keyClick(window().pathFiled(), Qt::Key_A);
    EXPECT_FALSE(delegate().project().isActive());
    EXPECT_FALSE(window().projectBox()->isVisibleTo(&window()));
    EXPECT_TRUE(window().platformSelection()->isEnabled());
}

TEST_F(ProjectFolder, GenerateAsksWithEveryFileListedThenUpdatesOrLeavesTheProjectAlone)
{
    chooseProject();
    const QByteArray before = iconDigest();

    QMessageBox *question = pressGenerateForQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->detailedText().contains(u"android/app/src/main/res/mipmap-hdpi/ic_launcher.png"_s));
    question->findChild<QPushButton *>(u"cancelButton"_s)->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !delegate().project().isBusy(); }));
    EXPECT_EQ(iconDigest(), before);

    question = pressGenerateForQuestion();
    ASSERT_NE(question, nullptr);
    QSignalSpy finished(&delegate().project(), &ProjectFlow::finished);
    question->findChild<QPushButton *>(u"updateButton"_s)->click();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_NE(iconDigest(), before);
    EXPECT_TRUE(window().resultLabel()->text().startsWith(u"Changed"_s))
        << window().resultLabel()->text().toStdString();
    // Once updated, there is nothing left to change.
    EXPECT_TRUE(QTest::qWaitFor([this] { return label().contains(u"changes nothing"_s); }, 30000))
        << label().toStdString();

    window().leaveProjectButton()->click();
    EXPECT_FALSE(delegate().project().isActive());
}

} // namespace
} // namespace iconsmith::test
