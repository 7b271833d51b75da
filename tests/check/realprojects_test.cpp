// The check against files that Xcode, Android Studio, Flutter and web tooling wrote in real
// projects (tests/check/corpus, with placeholder pictures of the sizes the projects held): each
// passes as it is, and each fails once one of its files is cut short, damaged, resized or gone.
#include "check/iconsetcheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vips/vips8>

#include <cmath>

#include "codec/icowriter.h"
#include "codec/imagelibrary.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

QString corpus(const QString &name = {})
{
    return name.isEmpty() ? QStringLiteral(ICONSMITH_CHECK_CORPUS)
                          : QStringLiteral(ICONSMITH_CHECK_CORPUS) + u'/' + name;
}

QStringList cases()
{
    return QDir(corpus()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSize sizeOf(const QString &text)
{
    return {text.section(u'x', 0, 0).toInt(), text.section(u'x', 1, 1).toInt()};
}

// A placeholder picture of the file's kind and size: an opaque PNG, a WebP (lossy, lossless or
// with alpha, so that each header kind is read), an .ico of several sizes, or a vector drawable.
void writePicture(const QString &path, const QString &size)
{
    QDir().mkpath(QFileInfo(path).path());
    if (size == u"vector") {
        test::writeBytes(path,
                         R"(<vector xmlns:android="http://schemas.android.com/apk/res/android" android:width="108dp" )"
                         R"(android:height="108dp" android:viewportWidth="108" android:viewportHeight="108"/>)");
    } else if (path.endsWith(u".ico")) {
        QList<IcoWriter::Image> images;
        for (const QString &one : size.split(u','))
            images.append({test::patternBitmap(sizeOf(one), 4), {}});
        test::writeBytes(path, IcoWriter::write(images).value());
    } else if (path.endsWith(u".webp")) {
        ImageLibrary::ensureStarted();
        const QSize pixels = sizeOf(size);
        vips::VImage image =
            vips::VImage::black(pixels.width(), pixels.height(), vips::VImage::option()->set("bands", 3));
        if (path.contains(u"round"))
            image.webpsave(QFile::encodeName(path).constData(), vips::VImage::option()->set("lossless", true));
        else if (path.contains(u"foreground"))
            image.bandjoin(255).webpsave(QFile::encodeName(path).constData());
        else
            image.webpsave(QFile::encodeName(path).constData());
    } else {
        test::writeTestPicture(path, sizeOf(size), false);
    }
}

// One real project laid out in a temporary folder, with its pictures.
struct Project
{
    struct Picture
    {
        QString path;
        QString size;
        QString role; // "sized", "whole" or "loose"
    };

    QString root;
    QList<Picture> pictures;

    explicit Project(const QString &name, QString into) : root(std::move(into))
    {
        QDirIterator it(corpus(name), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = QDir(corpus(name)).relativeFilePath(from);
            if (relative == u"files.txt")
                continue;
            QDir().mkpath(QFileInfo(root + u'/' + relative).path());
            QFile::copy(from, root + u'/' + relative);
            if (relative.endsWith(u".appiconset/Contents.json"))
                addAppleSet(root + u'/' + relative);
        }
        for (const QString &line : QString::fromUtf8(readAll(corpus(name) + u"/files.txt"_s)).split(u'\n')) {
            const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
            if (fields.size() == 3)
                pictures.append({fields[0], fields[1], fields[2]});
        }
        for (const Picture &picture : pictures)
            writePicture(root + u'/' + picture.path, picture.size);
    }

    // An Apple set's pictures follow from its entries; an empty slot gets a file, as when one
    // drags a picture onto it in Xcode.
    void addAppleSet(const QString &contents)
    {
        // Read past the commas before closing brackets that some files have and Xcode takes.
        static const QRegularExpression trailingComma(u",(\\s*[\\]}])"_s);
        QJsonObject document =
            QJsonDocument::fromJson(QString::fromUtf8(readAll(contents)).replace(trailingComma, u"\\1"_s).toUtf8())
                .object();
        ASSERT_FALSE(document.isEmpty()) << contents.toStdString();
        QJsonArray images = document.value(u"images").toArray();
        bool filled = false;
        const QString set = QDir(root).relativeFilePath(QFileInfo(contents).path());
        for (qsizetype i = 0; i < images.size(); ++i) {
            QJsonObject entry = images[i].toObject();
            const QString scale = entry.value(u"scale").toString(u"1x"_s);
            const double points = entry.value(u"size").toString().section(u'x', 0, 0).toDouble();
            const int pixels = int(std::lround(points * scale.chopped(1).toDouble()));
            if (!entry.contains(u"filename") && !entry.contains(u"appearances")) {
                entry.insert(u"filename"_s, u"slot-%1.png"_s.arg(i));
                filled = true;
            }
            if (!entry.contains(u"filename"))
                continue;
            images[i] = entry;
            pictures.append({set + u'/' + entry.value(u"filename").toString(), u"%1x%1"_s.arg(pixels), u"sized"_s});
        }
        if (filled) {
            document.insert(u"images"_s, images);
            test::writeBytes(contents, QJsonDocument(document).toJson());
        }
    }

    [[nodiscard]] QString path(const QString &relative) const { return root + u'/' + relative; }
};

std::string lines(const CheckReport &report)
{
    QStringList text;
    for (const CheckReport::Problem &problem : report.problems)
        text << problem.file + u": "_s + problem.message;
    return text.join(u'\n').toStdString();
}

class RealProjectsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    [[nodiscard]] QString folder(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(RealProjectsTest, EveryRealProjectPassesAsItIs)
{
    for (const QString &name : cases()) {
        const Project project(name, folder(name));
        const CheckReport report = IconSetCheck::check(project.root);
        EXPECT_TRUE(report.passed()) << name.toStdString() << '\n' << lines(report);
        EXPECT_FALSE(report.found.isEmpty()) << name.toStdString();
    }
    // All of them in one tree, as a repository holding several apps.
    const CheckReport all = IconSetCheck::check(m_dir.path());
    EXPECT_TRUE(all.passed()) << lines(all);
    EXPECT_GE(all.found.size(), cases().size());
}

TEST_F(RealProjectsTest, EveryPictureCutShortDamagedResizedOrGoneFails)
{
    int variants = 0;
    for (const QString &name : cases()) {
        const Project project(name, folder(name));
        for (const Project::Picture &picture : project.pictures) {
            if (picture.role == u"loose" || picture.size == u"vector")
                continue;
            const QString path = project.path(picture.path);
            const QByteArray good = readAll(path);
            const auto failsWith = [&](const QByteArray &bytes, const char *what) {
                test::writeBytes(path, bytes);
                const CheckReport report = IconSetCheck::check(project.root);
                EXPECT_FALSE(report.passed())
                    << name.toStdString() << ": " << picture.path.toStdString() << " " << what;
                ++variants;
            };
            // The header intact, the data cut short.
            failsWith(good.left(std::max<qsizetype>(64, good.size() * 2 / 3)), "cut short");
            // One byte changed in the middle of the data.
            QByteArray damaged = good;
            damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x5a);
            // A WebP's data, and an .ico's bitmaps, carry no sum to check them by.
            if (!path.endsWith(u".webp") && !path.endsWith(u".ico"))
                failsWith(damaged, "damaged");
            if (picture.role == u"sized" && !path.endsWith(u".ico")) {
                writePicture(path, u"7x7"_s);
                failsWith(readAll(path), "resized");
            }
            // Android falls back to another density when one lacks a picture; Xcode and browsers
            // have nothing to fall back to.
            QFile::remove(path);
            if (picture.role == u"sized" && !picture.path.contains(u"/res/")) {
                const CheckReport gone = IconSetCheck::check(project.root);
                EXPECT_FALSE(gone.passed()) << name.toStdString() << ": " << picture.path.toStdString() << " gone";
                ++variants;
            }
            test::writeBytes(path, good);
        }
        EXPECT_TRUE(IconSetCheck::check(project.root).passed()) << name.toStdString() << " restored";
    }
    EXPECT_GT(variants, 150);
}

} // namespace
} // namespace iconsmith
