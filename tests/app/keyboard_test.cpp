#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include "app/apptestsupport.h"
#include "ui/resultspanel.h"

namespace iconsmith::test {
namespace {

// Every text of @p window that gives a mnemonic, with where it comes from; a menu's own items
// are a scope of their own and are left out.
QMultiMap<QKeySequence, QString> windowMnemonics(QWidget &window)
{
    QMultiMap<QKeySequence, QString> found;
    const auto add = [&found](const QString &text, const QString &where) {
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            found.insert(key, where + QStringLiteral(" \"") + text + u'"');
    };
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // Only what can be reached: a hidden widget's shortcut does nothing.
        if (!widget->isVisibleTo(&window) || qobject_cast<QMenu *>(widget) != nullptr)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text(), button->objectName());
        else if (auto *label = qobject_cast<QLabel *>(widget); label != nullptr && label->buddy() != nullptr)
            add(label->text(), label->objectName());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group->title(), group->objectName());
        else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i), tabs->objectName());
        }
    }
    if (auto *mainWindow = qobject_cast<QMainWindow *>(&window)) {
        for (QAction *menu : mainWindow->menuBar()->actions())
            add(menu->text(), QStringLiteral("menu"));
    }
    return found;
}

QStringList duplicates(const QMultiMap<QKeySequence, QString> &mnemonics)
{
    QStringList clashes;
    for (const QKeySequence &key : mnemonics.uniqueKeys()) {
        if (mnemonics.count(key) > 1)
            clashes << key.toString() + QStringLiteral(": ") +
                           QStringList(mnemonics.values(key)).join(QStringLiteral(", "));
    }
    return clashes;
}

class Keyboard : public WindowTest
{
protected:
    // The results panel as a generation leaves it, with every line it can show.
    void showResults() const
    {
        GenerationReport report;
        report.folder = tempPath(QStringLiteral("out"));
        report.notes.append({QStringLiteral("a note"), SourceRole::Dark});
        window().resultsPanel()->showReport(report, QStringLiteral("Wrote nothing."));
        window().resultsPanel()->setFolderNotShown(report.folder, QStringLiteral("no file browser"));
        window().revealResultsPanel();
    }
};

TEST_F(Keyboard, EveryMnemonicOfTheWindowIsItsOwnWhateverMakeIsAt)
{
    showResults();
    for (const Platform &platform : {*Platform::fromChoice(Platform::IPhone), Platform::targets()}) {
        window().selectPlatform(platform);
        const QMultiMap<QKeySequence, QString> mnemonics = windowMnemonics(window());
        EXPECT_GE(mnemonics.size(), 12);
        EXPECT_TRUE(duplicates(mnemonics).isEmpty()) << qPrintable(duplicates(mnemonics).join(u'\n'));
    }
    // Each menu is a scope of its own.
    for (QAction *menu : window().menuBar()->actions()) {
        QMultiMap<QKeySequence, QString> items;
        for (QAction *action : menu->menu()->actions()) {
            if (const QKeySequence key = QKeySequence::mnemonic(action->text()); !key.isEmpty())
                items.insert(key, action->text());
        }
        EXPECT_TRUE(duplicates(items).isEmpty()) << qPrintable(duplicates(items).join(u'\n'));
    }
}

TEST_F(Keyboard, TabStopsAreControlsThatShowTheirFocus)
{
    showResults();
    window().show();
    // Scroll areas and bare containers take the focus without showing it.
    QWidget *next = window().BigIcon();
    QStringList stops;
    do {
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) != 0 &&
            next->focusProxy() == nullptr)
            stops << QString::fromLatin1(next->metaObject()->className()) + u' ' + next->objectName();
        next = next->nextInFocusChain();
    } while (next != window().BigIcon() && stops.size() < 200);
    for (const QString &stop : stops)
        EXPECT_FALSE(stop.startsWith(QStringLiteral("QScrollArea")) || stop.startsWith(QStringLiteral("QWidget ")))
            << qPrintable(stop);
    EXPECT_TRUE(stops.contains(QStringLiteral("QPushButton generateButton"))) << qPrintable(stops.join(u'\n'));
}

TEST_F(Keyboard, EveryMenuOpensFromTheKeyboard)
{
    showResults();
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    for (QAction *menu : window().menuBar()->actions()) {
        SCOPED_TRACE(menu->text().toStdString());
        const QKeySequence key = QKeySequence::mnemonic(menu->text());
        ASSERT_FALSE(key.isEmpty());
        QTest::keySequence(&window(), key);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu->menu(); }));
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    }
}

} // namespace
} // namespace iconsmith::test
