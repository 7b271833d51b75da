#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "ui/mainwindow.h"

namespace iconsmith::test {
namespace {

// One message of a Qt Linguist table.
struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool finished = false;
    QStringList translations; // one per plural form, or the one translation
};

struct Table
{
    QString language;
    QList<Message> messages;
};

QString key(const Message &message)
{
    return message.context + u'\x1f' + message.source + u'\x1f' + message.comment;
}

QString describe(const Message &message)
{
    return message.context + QStringLiteral(": \"") + message.source + u'"';
}

Message readMessage(QXmlStreamReader &xml, const QString &context)
{
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            message.comment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value(QStringLiteral("type"));
            message.finished = type.isEmpty();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.translations << xml.readElementText();
            } else {
                message.translations << xml.readElementText();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

std::optional<Table> readTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    Table table;
    if (!xml.readNextStartElement() || xml.name() != u"TS")
        return std::nullopt;
    table.language = xml.attributes().value(QStringLiteral("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != u"context") {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message")
                table.messages << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return table;
}

// The messages of the sources the window is built from, extracted by lupdate as the build's
// update_translations target does.
class Extracted
{
public:
    static const Table &table()
    {
        static const std::optional<Table> extracted = extract();
        static const Table empty;
        return extracted ? *extracted : empty;
    }

private:
    static std::optional<Table> extract()
    {
        QTemporaryDir folder;
        if (!folder.isValid())
            return std::nullopt;
        const QString output = folder.filePath(QStringLiteral("extracted.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(ICONSMITH_LUPDATE),
                      {QStringLiteral("@" ICONSMITH_TRANSLATED_SOURCES_LIST), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-ts"), output});
        if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit ||
            lupdate.exitCode() != 0) {
            ADD_FAILURE() << "lupdate failed: " << lupdate.readAll().toStdString();
            return std::nullopt;
        }
        return readTable(output);
    }
};

// The %1…%9 and %n markers (also as %L1, %Ln), and the progress bar's %v and %m, sorted.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[1-9n]|%[vm]"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured().remove(u'L');
    std::sort(found.begin(), found.end());
    return found;
}

// How many mnemonic markers a text has; "&&" is a literal ampersand.
int mnemonicCount(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == u'&')
            ++i;
        else
            ++count;
    }
    return count;
}

TEST(ExtractedMessages, IncludeTheFormTheCodeAndEveryUnitListed)
{
    const Table &extracted = Extracted::table();
    ASSERT_GT(extracted.messages.size(), 150);
    QMap<QString, int> perContext;
    for (const Message &message : extracted.messages)
        ++perContext[message.context];
    // The form comes from mainwindow.ui, the rest from the C++ sources, namespaced classes and
    // the plain functions' contexts alike.
    for (const char *context :
         {"MainWindow", "iconsmith::MainWindow", "iconsmith::AppDelegate", "iconsmith::DesktopOpener",
          "iconsmith::TargetsPanel", "iconsmith::ResultsPanel", "Alerts", "Launcher", "main"})
        EXPECT_GT(perContext.value(QString::fromLatin1(context)), 0) << context;
    // A context named without its namespace means lupdate did not see the headers.
    for (const QString &context : perContext.keys())
        EXPECT_FALSE(context == u"AppDelegate" || context == u"TargetsPanel") << qPrintable(context);
}

class ShippedTranslation : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        const QString path = QStringLiteral(ICONSMITH_TRANSLATIONS_DIR "/iconsmith_%1.ts").arg(language());
        const std::optional<Table> table = readTable(path);
        ASSERT_TRUE(table.has_value()) << qPrintable(path);
        m_table = *table;
        for (const Message &message : m_table.messages)
            m_byKey.insert(key(message), message);
        ASSERT_FALSE(Extracted::table().messages.isEmpty());
    }

    [[nodiscard]] static QString language() { return QString::fromLatin1(GetParam()); }

    // The shipped message for each extracted one; a missing one is a failure.
    template <typename Check> void forEachExtracted(Check check) const
    {
        for (const Message &source : Extracted::table().messages) {
            const auto shipped = m_byKey.constFind(key(source));
            if (shipped == m_byKey.constEnd()) {
                ADD_FAILURE() << "not in iconsmith_" << GetParam() << ".ts: " << qPrintable(describe(source));
                continue;
            }
            check(source, *shipped);
        }
    }

    Table m_table;
    QMap<QString, Message> m_byKey;
};

TEST_P(ShippedTranslation, NamesItsLanguageAndHasNoMessageTheSourcesLost)
{
    EXPECT_TRUE(m_table.language.startsWith(language())) << qPrintable(m_table.language);
    QMap<QString, bool> extracted;
    for (const Message &message : Extracted::table().messages)
        extracted.insert(key(message), true);
    for (const Message &message : m_table.messages)
        EXPECT_TRUE(extracted.contains(key(message))) << "left over: " << qPrintable(describe(message));
}

TEST_P(ShippedTranslation, TranslatesEveryMessageOfTheWindow)
{
    forEachExtracted([](const Message &source, const Message &shipped) {
        EXPECT_TRUE(shipped.finished) << "unfinished: " << qPrintable(describe(source));
        ASSERT_FALSE(shipped.translations.isEmpty()) << qPrintable(describe(source));
        for (const QString &translation : shipped.translations)
            EXPECT_FALSE(translation.trimmed().isEmpty()) << "empty: " << qPrintable(describe(source));
        // German and French both have a singular and a plural (French counts 0 as singular).
        EXPECT_EQ(shipped.numerus, source.numerus) << qPrintable(describe(source));
        if (source.numerus) {
            EXPECT_EQ(shipped.translations.size(), 2) << qPrintable(describe(source));
        }
    });
}

TEST_P(ShippedTranslation, KeepsThePlaceholdersAndMnemonicsOfTheSource)
{
    forEachExtracted([](const Message &source, const Message &shipped) {
        for (const QString &translation : shipped.translations) {
            EXPECT_EQ(placeholders(translation), placeholders(source.source))
                << qPrintable(describe(source)) << " -> " << qPrintable(translation);
            EXPECT_EQ(mnemonicCount(translation), mnemonicCount(source.source))
                << qPrintable(describe(source)) << " -> " << qPrintable(translation);
        }
    });
}

TEST_P(ShippedTranslation, IsBuiltIntoTheProgram)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/iconsmith_%1.qm").arg(language())));
    EXPECT_TRUE(translator.language().startsWith(language())) << qPrintable(translator.language());
    // Every finished message of the table comes out of the compiled one.
    int looked = 0;
    for (const Message &message : m_table.messages) {
        if (message.numerus || !message.finished)
            continue;
        ++looked;
        EXPECT_EQ(translator.translate(message.context.toUtf8().constData(), message.source.toUtf8().constData(),
                                       message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData()),
                  message.translations.constFirst())
            << qPrintable(describe(message));
    }
    EXPECT_GT(looked, 100);
    // The plural forms follow the language's rule: French counts 0 as one, German as many.
    const qsizetype zeroForm = language() == u"fr" ? 0 : 1;
    int plurals = 0;
    for (const Message &message : m_table.messages) {
        if (!message.numerus || message.translations.size() != 2)
            continue;
        ++plurals;
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        EXPECT_EQ(translator.translate(context, source, nullptr, 1), message.translations.at(0)) << source.constData();
        EXPECT_EQ(translator.translate(context, source, nullptr, 5), message.translations.at(1)) << source.constData();
        EXPECT_EQ(translator.translate(context, source, nullptr, 0), message.translations.at(zeroForm))
            << source.constData();
    }
    EXPECT_GT(plurals, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::Values("de", "fr"));

TEST(PlaceholderCheck, SeesWhatATranslationDropsOrAdds)
{
    EXPECT_EQ(placeholders(QStringLiteral("Wrote %n file(s) to %1.")), placeholders(QStringLiteral("%1: %n")));
    EXPECT_NE(placeholders(QStringLiteral("%1 × %2")), placeholders(QStringLiteral("%1 × %1")));
    EXPECT_NE(placeholders(QStringLiteral("%v of %m files")), placeholders(QStringLiteral("%v Dateien")));
    EXPECT_EQ(placeholders(QStringLiteral(" · %1%")), placeholders(QStringLiteral(" · %L1\u00a0%")));
    EXPECT_EQ(mnemonicCount(QStringLiteral("Cop&y Path")), 1);
    EXPECT_EQ(mnemonicCount(QStringLiteral("Copy && Paste")), 0);
    EXPECT_EQ(mnemonicCount(QStringLiteral("&Copy && &Paste")), 2);
}

// The launcher installs the table of the user's language; a window made then speaks it.
TEST(GermanWindow, ShowsTheGermanGenerateButton)
{
    auto translator = std::make_unique<QTranslator>();
    ASSERT_TRUE(translator->load(QStringLiteral(":/i18n/iconsmith_de.qm")));
    const QString german = translator->translate("MainWindow", "&Generate");
    ASSERT_FALSE(german.isEmpty());
    ASSERT_NE(german, QStringLiteral("&Generate"));
    ASSERT_TRUE(QCoreApplication::installTranslator(translator.get()));
    {
        const MainWindow window;
        EXPECT_EQ(window.generateButton()->text(), german);
    }
    QCoreApplication::removeTranslator(translator.get());
    const MainWindow english;
    EXPECT_EQ(english.generateButton()->text(), QCoreApplication::translate("MainWindow", "&Generate"));
}

} // namespace
} // namespace iconsmith::test
