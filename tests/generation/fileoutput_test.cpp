#include "generation/fileoutput.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

} // namespace
} // namespace iconsmith
