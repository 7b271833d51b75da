#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <functional>

#include "app/apptestsupport.h"
#include "catalog/sizetable.h"
#include "ui/redborderimageview.h"
#include "ui/resultspanel.h"

namespace iconsmith::test {
namespace {

class Generate : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_output = tempPath(QStringLiteral("out put"));
        window().pathFiled()->setText(QDir::toNativeSeparators(m_output));
    }

    void prepare(int choice, QSize imageSize = {256, 256}) const
    {
        ASSERT_TRUE(window().BigIcon()->loadFile(writeImage(QStringLiteral("source.png"), imageSize)));
        window().selectPlatform(*Platform::fromChoice(choice));
        delegate().platformSelected();
    }

    [[nodiscard]] QSize pngSize(const QString &path) const { return QImage(path).size(); }

    static void expectOneAlert(const QString &text)
    {
        EXPECT_EQ(visibleTopLevelCount<QMessageBox>(), 1);
        const auto *alert = visibleTopLevel<QMessageBox>();
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->text(), text);
        EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
        EXPECT_EQ(alert->buttons().size(), 1);
        EXPECT_EQ(alert->standardButtons(), QMessageBox::Ok);
    }

    QString m_output;
};

TEST_F(Generate, MissingInputShowsTheAlertAndWritesNothing)
{
    const QString missing = AppDelegate::tr("Alert");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_temp.path()));
    const QStringList before = filesBelow(m_temp.path());

    struct Case
    {
        const char *what;
        bool image;
        int choice;
        QString folder;
    };
    const QList<Case> cases = {
        {"empty well", false, 2, m_output},        {"empty well at the scaled-image choice", false, 6, m_output},
        {"no platform", true, -1, m_output},       {"empty well and no platform", false, -1, m_output},
        {"empty save folder", true, 2, QString()}, {"blank save folder", true, 6, QStringLiteral("   ")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.image)
            ASSERT_TRUE(window().BigIcon()->loadFile(writeImage(QStringLiteral("in.png"), {32, 32})));
        else
            window().BigIcon()->clear();
        if (const std::optional<Platform> platform = Platform::fromChoice(c.choice))
            window().selectPlatform(*platform);
        else
            window().platformSelection()->setCurrentIndex(-1);
        window().pathFiled()->setText(c.folder);

        pressGenerate();

        expectOneAlert(missing);
        // The alert names each missing input, and only those.
        const QString named = visibleTopLevel<QMessageBox>()->informativeText();
        EXPECT_EQ(named.contains(QStringLiteral("image")), !c.image) << qPrintable(named);
        EXPECT_EQ(named.contains(QStringLiteral("Make")), c.choice == -1) << qPrintable(named);
        EXPECT_EQ(named.contains(QStringLiteral("save folder")), c.folder.trimmed().isEmpty()) << qPrintable(named);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        QStringList after = filesBelow(m_temp.path());
        after.removeAll(QStringLiteral("in.png"));
        EXPECT_EQ(after, before);
        EXPECT_TRUE(m_shownFolders.isEmpty());
        delete visibleTopLevel<QMessageBox>();
    }
    QDir::setCurrent(previous);
}

TEST_F(Generate, AnEmptyCatalogNeedsNoImage)
{
    window().BigIcon()->clear();
    window().selectPlatform(*Platform::fromChoice(Platform::EmptyCatalog));
    pressGenerate();

    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
    EXPECT_EQ(filesBelow(m_output), QStringList{QStringLiteral("AppIcon.appiconset/Contents.json")});
}

TEST_F(Generate, ARelativeFolderIsTakenFromTheHomeFolderAndShownWhole)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_temp.path()));
    prepare(Platform::ScaledImageSet, {12, 12});
    window().pathFiled()->setText(QStringLiteral("Icons/App"));

    pressGenerate();
    qputenv("HOME", home);

    const QString absolute = QDir::toNativeSeparators(m_temp.path() + QStringLiteral("/Icons/App"));
    EXPECT_TRUE(QFileInfo::exists(m_temp.path() + QStringLiteral("/Icons/App/Image@3x.png")));
    EXPECT_EQ(window().pathFiled()->text(), absolute);
    EXPECT_TRUE(window().resultsPanel()->summaryLabel()->text().contains(absolute))
        << qPrintable(window().resultsPanel()->summaryLabel()->text());
}

TEST_F(Generate, TheAlertTextComesFromTheStringTable)
{
    pressGenerate();
    const QString translated = visibleTopLevel<QMessageBox>()->text();
    EXPECT_NE(translated, QStringLiteral("Alert"));
    EXPECT_FALSE(translated.isEmpty());
    delete visibleTopLevel<QMessageBox>();

    // Without a table entry the key itself shows.
    QList<QTranslator *> own;
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        if (!translator->translate(AppDelegate::staticMetaObject.className(), "Alert").isEmpty()) {
            own << translator;
            QCoreApplication::removeTranslator(translator);
        }
    }
    ASSERT_FALSE(own.isEmpty());
    pressGenerate();
    EXPECT_EQ(visibleTopLevel<QMessageBox>()->text(), QStringLiteral("Alert"));
    for (QTranslator *translator : own)
        QCoreApplication::installTranslator(translator);
}

// What the set holds is proven in the library's tests; here, that Generate makes the choice shown.
TEST_F(Generate, IPhoneAndIPadIconSetHasItsFilesAndItsCatalog)
{
    prepare(2);
    pressGenerate();

    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QString iconSet = m_output + QStringLiteral("/AppIcon.appiconset");
    QFile file(iconSet + QStringLiteral("/Contents.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject document = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(document.value(QStringLiteral("info")).toObject().value(QStringLiteral("version")).toInt(), 1);
    const QJsonArray images = document.value(QStringLiteral("images")).toArray();
    EXPECT_EQ(images.size(), delegate().images().size());
    QSet<QString> idioms;
    for (const auto &image : images) {
        const QJsonObject entry = image.toObject();
        idioms << entry.value(QStringLiteral("idiom")).toString();
        EXPECT_TRUE(QFile::exists(iconSet + u'/' + entry.value(QStringLiteral("filename")).toString()));
    }
    EXPECT_TRUE(idioms.contains(QStringLiteral("iphone")));
    EXPECT_TRUE(idioms.contains(QStringLiteral("ipad")));
    EXPECT_FALSE(idioms.contains(QStringLiteral("watch")));
    // Two idiom passes, one folder shown.
    EXPECT_EQ(m_shownFolders, QStringList{m_output});
    // Said once, in the results: the line under the form stays empty while they are shown.
    const int files = int(filesBelow(iconSet).size());
    const QString result = window().resultsPanel()->summaryLabel()->text();
    EXPECT_EQ(QRegularExpression(QStringLiteral("(\\d+)")).match(result).captured(1), QString::number(files))
        << qPrintable(result);
    EXPECT_TRUE(result.contains(QDir::toNativeSeparators(iconSet))) << qPrintable(result);
    EXPECT_TRUE(window().resultLabel()->text().isEmpty()) << qPrintable(window().resultLabel()->text());
    EXPECT_FALSE(window().resultsPanel()->isHidden());

    // The results belong to that image: another one clears them.
    ASSERT_TRUE(window().BigIcon()->loadFile(writeImage(QStringLiteral("other.png"), {64, 64})));
    EXPECT_TRUE(window().resultsPanel()->isHidden());
}

struct LoggedLine
{
    QtMsgType type;
    QString category;
    QString text;
};
QList<LoggedLine> loggedLines;

void recordLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    loggedLines.append({type, QString::fromUtf8(context.category), text});
}

TEST_F(Generate, DiagnosticLinesGoToTheLogNotToTheUser)
{
    prepare(2, {40, 40});
    loggedLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("iconsmith.generation.info=true"));
    const QtMessageHandler previous = qInstallMessageHandler(recordLine);
    pressGenerate();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("iconsmith.generation.info=false"));

    const auto marketingRepeat = std::find_if(loggedLines.cbegin(), loggedLines.cend(), [](const LoggedLine &line) {
        return line.text == QStringLiteral("Already exist");
    });
    ASSERT_NE(marketingRepeat, loggedLines.cend());
    EXPECT_EQ(marketingRepeat->type, QtInfoMsg);
    EXPECT_EQ(marketingRepeat->category, QStringLiteral("iconsmith.generation"));
    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
}

TEST_F(Generate, ScaledImageSetFollowsTheZoomChoice)
{
    const QSize source(30, 21);
    const QString path = writeImage(QStringLiteral("dropped.png"), source);
    sendDrop(window().BigIcon(), *fileDrag({path}));
    window().selectPlatform(*Platform::fromChoice(6));
    delegate().platformSelected();

    pressGenerate();
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image.png")), source);
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image@2x.png")), source * 2);
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image@3x.png")), source * 3);
    EXPECT_FALSE(QFile::exists(m_output + QStringLiteral("/AppIcon.appiconset")));
    EXPECT_EQ(m_shownFolders, QStringList{m_output});

    window().zoomOutCheckButton()->click();
    pressGenerate();
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image.png")), QSize(10, 7));
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image@2x.png")), QSize(20, 14));
    EXPECT_EQ(pngSize(m_output + QStringLiteral("/Image@3x.png")), source);
    EXPECT_EQ(visibleTopLevel<QMessageBox>(), nullptr);
}

TEST_F(Generate, TheShortcutPressesTheButton)
{
    prepare(6, {9, 9});
    window().generateAction()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(m_output + QStringLiteral("/Image@3x.png")); }));
}

TEST_F(Generate, ASaveFolderThatIsAFileIsRefusedInOneAlertBeforeAnythingIsWritten)
{
    // A file where the folder should be cannot be worked around, whoever runs the test.
    const QString blocker = writeFile(QStringLiteral("blocker"), "in the way\n");
    for (const int choice : {0, 6}) {
        SCOPED_TRACE(choice);
        prepare(choice, {12, 12});
        window().pathFiled()->setText(QDir::toNativeSeparators(blocker));

        pressGenerate();

        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(visibleTopLevelCount<QMessageBox>(), 1);
        auto *alert = visibleTopLevel<QMessageBox>();
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
        EXPECT_TRUE(alert->text().contains(QStringLiteral("nothing was written"))) << qPrintable(alert->text());
        // The one reason names the file in the way and says what it is.
        EXPECT_TRUE(alert->informativeText().contains(QDir::toNativeSeparators(blocker) + QStringLiteral(" is a file")))
            << qPrintable(alert->informativeText());
        // The desktop would open the file in the way with its default program.
        EXPECT_TRUE(m_shownFolders.isEmpty()) << qPrintable(m_shownFolders.join(u' '));
        // The next step is offered: another folder.
        EXPECT_TRUE(alert->informativeText().contains(QStringLiteral("choose another save folder")));
        auto *choose = alert->findChild<QPushButton *>(QStringLiteral("chooseFolderButton"));
        ASSERT_NE(choose, nullptr);
        choose->click();
        EXPECT_TRUE(QTest::qWaitFor([] { return visibleTopLevel<QFileDialog>() != nullptr; }));
        EXPECT_EQ(visibleTopLevel<QFileDialog>()->objectName(), QStringLiteral("savePathChooser"));
        visibleTopLevel<QFileDialog>()->reject();
    }
}

} // namespace
} // namespace iconsmith::test
