#include "generation/fileoutput.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "generation/filename.h"
#include "generation/folderhold.h"
#include "generation/stagedfolder.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

void writeAged(const QString &path, int ageSeconds)
{
    test::writeBytes(path, "half a file");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

TEST(FileOutput, OnlyStaleTemporaryFilesOfItsOwnAreRemoved)
{
    QTemporaryDir dir;
    const QString stale = dir.filePath(u".Icon-20.png.0123abcd.tmp"_s);
    writeAged(stale, 120);
    writeAged(dir.filePath(u".Icon-29.png.89abcdef.tmp"_s), 0); // a run writing right now
    for (const char16_t *other : {u".notes.tmp", u".Icon.png.0123ABCD.tmp", u"Icon.png.0123abcd.tmp", u".0123abcd.tmp"})
        writeAged(dir.filePath(QString::fromUtf16(other)), 120);
    // A writer that stalled for minutes still holds its lock.
    const QString held = dir.filePath(u".Icon-40.png.00000000.tmp"_s);
    writeAged(held, 120);
    const int writer = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX | LOCK_NB), 0);
    // A link of the same pattern is never followed, nor removed.
    writeAged(dir.filePath(u"elsewhere"_s), 120);
    ASSERT_TRUE(QFile::link(dir.filePath(u"elsewhere"_s), dir.filePath(u".Icon-60.png.11111111.tmp"_s)));

    ASSERT_TRUE(FileOutput::createFolder(dir.path()));
    ::close(writer);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    EXPECT_FALSE(left.contains(QFileInfo(stale).fileName()));
    EXPECT_EQ(left.size(), 8) << left.join(u' ').toStdString();
}

TEST(FileOutput, AReplacedLinkIsReplacedNotWrittenThroughAndLendsNoMode)
{
    QTemporaryDir dir;
    const QString secret = dir.filePath(u"secret"_s);
    test::writeBytes(secret, "keep");
    ASSERT_TRUE(
        QFile::setPermissions(secret, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QString icon = dir.filePath(u"Icon.png"_s);
    ASSERT_TRUE(QFile::link(secret, icon));
    ASSERT_TRUE(FileOutput::writeAtomically(icon, "new"));
    ASSERT_TRUE(FileOutput::writeAtomically(dir.filePath(u"fresh.png"_s), "new"));

    EXPECT_FALSE(QFileInfo(icon).isSymLink());
    QFile kept(secret);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
    EXPECT_EQ(QFileInfo(icon).permissions(), QFileInfo(dir.filePath(u"fresh.png"_s)).permissions());
}

TEST(FileOutput, StagingFoldersOfKilledRunsGoAndNothingElse)
{
    QTemporaryDir dir;
    const auto folder = [&dir](const QString &name, int ageSeconds) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path + u"/AppIcon.appiconset"_s));
        const timespec times[2] = {{::time(nullptr) - ageSeconds, 0}, {::time(nullptr) - ageSeconds, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    };
    folder(u".ios.iconsmith-staging-0123abcd"_s, 120);
    folder(u".iconsmith-staging-89abcdef"_s, 0); // a run staging right now, or one just killed
    folder(u"keep.iconsmith-staging-01234567"_s, 120);
    folder(u".ios.iconsmith-old-01234567"_s, 120);                      // an old set moved aside: the user's to find
    writeAged(dir.filePath(u".web.iconsmith-staging-aaaaaaaa"_s), 120); // a file, not a staging folder
    folder(u"elsewhere"_s, 120);
    ASSERT_TRUE(QFile::link(dir.filePath(u"elsewhere"_s), dir.filePath(u".x.iconsmith-staging-bbbbbbbb"_s)));

    FileOutput::removeStaleTemporaries(dir.path());
    QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(left, (QStringList{u".iconsmith-staging-89abcdef"_s, u".ios.iconsmith-old-01234567"_s,
                                 u".web.iconsmith-staging-aaaaaaaa"_s, u".x.iconsmith-staging-bbbbbbbb"_s,
                                 u"elsewhere"_s, u"keep.iconsmith-staging-01234567"_s}));
    // Holding the folder's lock, a run knows that a staging folder of any age is a dead run's.
    FileOutput::removeStaleTemporaries(dir.path(), FileOutput::Age::Any);
    left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_FALSE(left.contains(u".iconsmith-staging-89abcdef"_s));
    EXPECT_EQ(left.size(), 5);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(u"elsewhere/AppIcon.appiconset"_s)));
}

TEST(FileOutput, AStagingFolderALiveRunStillFillsStaysHoweverLongTheRunTakes)
{
    // A run that renders for minutes leaves its first target's staging folder untouched while
    // it makes the others, whose folders are created beside it.
    QTemporaryDir dir;
    StagedFolder first(dir.filePath(u"ios"_s), StagedFolder::Mode::Merge);
    ASSERT_TRUE(first.create());
    ASSERT_TRUE(QDir().mkpath(first.path() + u"/AppIcon.appiconset"_s));
    const timespec longAgo[2] = {{::time(nullptr) - 600, 0}, {::time(nullptr) - 600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(first.path()).constData(), longAgo, 0), 0);

    StagedFolder second(dir.filePath(u"android"_s), StagedFolder::Mode::Merge);
    ASSERT_TRUE(second.create());
    FileOutput::removeStaleTemporaries(dir.path(), FileOutput::Age::Any);
    EXPECT_TRUE(QFileInfo(first.path() + u"/AppIcon.appiconset"_s).isDir());
    EXPECT_TRUE(first.commit().isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath(u"ios/AppIcon.appiconset"_s)).isDir());

    // In this process too, the hold is the run's own: no second one is granted.
    EXPECT_TRUE(QFileInfo(second.path()).isDir());
    EXPECT_FALSE(FolderHold(second.path()).isHeld());
}

TEST(FileName, AcceptsOnlyNamesEveryReaderSeesAsAFileOfTheFolder)
{
    for (const QString &name : {u"icon"_s, u"My App"_s, u"Icône-20@2x"_s, u"a.b"_s, u"v1.2"_s, QString(251, u'n')})
        EXPECT_TRUE(FileName::isPlainStem(name)) << name.toStdString();
    for (const QString &name :
         {QString(), u"."_s, u".."_s, u"a..b"_s, u".hidden"_s, u"a/b"_s, u"a\\b"_s, u"a\x1b[31mb"_s, u"bell\x07"_s,
          QStringLiteral("nul") + QChar(0), u"del\x7f"_s, QString(252, u'n'), QString(126, QChar(0xe9))})
        EXPECT_FALSE(FileName::isPlainStem(name)) << name.toStdString();
    // The limit is the file system's, in bytes: "é" takes two.
    EXPECT_TRUE(FileName::isPlain(QString(127, QChar(0xe9))));
    EXPECT_FALSE(FileName::isPlain(QString(128, QChar(0xe9))));
}

TEST(FileOutput, ANameAsLongAsTheFileSystemTakesIsWrittenThroughAShorterTemporary)
{
    QTemporaryDir dir;
    // The second is cut for its temporary in the middle of an "é", which takes two bytes.
    for (const QString &name : {QString(255, u'n'), QString(125, QChar(0xe9)) + u"x.png"_s}) {
        ASSERT_EQ(QFile::encodeName(name).size(), 255);
        const Result<void> written = FileOutput::writeAtomically(dir.filePath(name), "bytes");
        ASSERT_TRUE(written) << written.error().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file is left";
}

} // namespace
} // namespace iconsmith
