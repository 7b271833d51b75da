#include "codec/drawingprocess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "codec/drawingconfinement.h"
#include "codec/imagelibrary.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

const QByteArray square =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect width="10" height="10" fill="red"/></svg>)";

class DrawingProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImageLibrary::ensureStarted();
        // Without the helper every drawing runs in process, and none of this would be tested.
        ASSERT_FALSE(DrawingProcess::helperPath().isEmpty()) << "iconsmith-draw is built beside the tests";
    }
};

TEST_F(DrawingProcessTest, OutlivesTheThreadThatStartedIt)
{
    // A pool thread starts a helper, uses it, and then retires, as Qt's pool does after 30 idle
    // seconds. (Its answer shows the helper is past its start, where it asks to die with its parent.)
    std::unique_ptr<DrawingProcess> process;
    bool answered = false;
    std::thread([&process, &answered] {
        process = DrawingProcess::start(square, false);
        answered = process && process->measure(QDeadlineTimer(15000));
    }).join();
    ASSERT_TRUE(answered);
    for (int i = 0; i < 3; ++i) {
        const Result<QSize> size = process->measure(QDeadlineTimer(15000));
        ASSERT_TRUE(size) << size.error().toStdString();
        EXPECT_EQ(*size, QSize(10, 10));
    }
    const Result<VectorPicture> picture = process->draw(2.0, QSize(22, 22), QDeadlineTimer(15000));
    ASSERT_TRUE(picture) << picture.error().toStdString();
    EXPECT_EQ(picture->size, QSize(20, 20));
    EXPECT_TRUE(process->usable());
}

TEST_F(DrawingProcessTest, RefusesADrawingLargerThanAskedForAndStaysUsable)
{
    const std::unique_ptr<DrawingProcess> process = DrawingProcess::start(square, false);
    ASSERT_TRUE(process);
    const Result<VectorPicture> picture = process->draw(2.0, QSize(12, 12), QDeadlineTimer(15000));
    ASSERT_FALSE(picture);
    EXPECT_TRUE(picture.error().contains(u"20 × 20"_s)) << picture.error().toStdString();
    EXPECT_TRUE(process->usable());
    EXPECT_TRUE(process->draw(1.0, QSize(12, 12), QDeadlineTimer(15000)));
}

TEST_F(DrawingProcessTest, AHelperThatEndedWhileIdleIsNotUsable)
{
    const std::unique_ptr<DrawingProcess> process = DrawingProcess::start(square, false);
    ASSERT_TRUE(process);
    ASSERT_TRUE(process->usable());
    ASSERT_EQ(::kill(pid_t(process->processId()), SIGKILL), 0);
    // Polls until the kernel has ended it (a zombie, not yet reaped), for at most ten seconds.
    const QString stat = u"/proc/%1/stat"_s.arg(process->processId());
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired();) {
        QFile file(stat);
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(") Z "))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(process->usable());
}

TEST_F(DrawingProcessTest, GetsNoneOfTheProgramsDescriptors)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"program-file"_s);
    // Opened as a careless library would, without close-on-exec.
    const int open = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(open, 0);
    const std::unique_ptr<DrawingProcess> process = DrawingProcess::start(square, false);
    ::close(open);
    ASSERT_TRUE(process);
    const QDir descriptors(u"/proc/%1/fd"_s.arg(process->processId()));
    const QStringList entries = descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    ASSERT_FALSE(entries.isEmpty());
    for (const QString &entry : entries)
        EXPECT_NE(QFileInfo(descriptors.filePath(entry)).symLinkTarget(), QFileInfo(path).canonicalFilePath())
            << "descriptor " << entry.toStdString();
    EXPECT_EQ(QFileInfo(descriptors.filePath(u"0"_s)).symLinkTarget(), u"/dev/null"_s);
    EXPECT_EQ(QFileInfo(descriptors.filePath(u"1"_s)).symLinkTarget(), u"/dev/null"_s);
}

TEST(DrawingConfinement, AConfinedProcessWritesNoFile)
{
    QTemporaryDir dir;
    const QByteArray existing = QFile::encodeName(dir.filePath(u"existing"_s));
    const QByteArray fresh = QFile::encodeName(dir.filePath(u"fresh"_s));
    const int open = ::open(existing.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(open, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only system calls from here on: the child of a threaded program.
        const bool landlocked = DrawingConfinement::apply();
        int failures = 0;
        if (::write(open, "x", 1) >= 0)
            failures |= 1; // a file it was given grew
        const int created = ::open(fresh.constData(), O_CREAT | O_WRONLY, 0600);
        if (created >= 0 && landlocked)
            failures |= 2; // a file was created where the file system should be closed to it
        if (::mkdir((fresh + ".d").constData(), 0700) == 0 && landlocked)
            failures |= 4;
        ::_exit(failures);
    }
    ::close(open);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the confined process was killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(QFileInfo(QFile::decodeName(existing)).size(), 0);
}

} // namespace
} // namespace iconsmith
