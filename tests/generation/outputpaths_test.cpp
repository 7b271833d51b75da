#include "generation/outputpaths.h"

#include <gtest/gtest.h>

#include <QDir>

namespace iconsmith {
namespace {

QString iconSetFolder(const QString &text, int choice)
{
    return OutputPaths(text, Platform::fromChoice(choice)).appiconsetPathString();
}

TEST(OutputPaths, TheScaledImageChoiceAndTheTargetsWriteIntoTheSaveFolderItself)
{
    EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/Icons"), 6), QStringLiteral("/Volumes/Work/Icons"));
    EXPECT_EQ(OutputPaths(QStringLiteral("/Volumes/Work/Icons"), Platform::targets()).appiconsetPathString(),
              QStringLiteral("/Volumes/Work/Icons"));
    for (const int choice : {-1, 0, 1, 2, 3, 4, 5})
        EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/Icons"), choice),
                  QStringLiteral("/Volumes/Work/Icons/AppIcon.appiconset"))
            << choice;
}

TEST(OutputPaths, TheTextIsUsedLiterallyWithoutPercentDecoding)
{
    // "%" is an ordinary character of a folder name: created, written and shown folder are one.
    EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/My%20Icons"), 2),
              QStringLiteral("/Volumes/Work/My%20Icons/AppIcon.appiconset"));
    EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/Caf%C3%A9"), 0),
              QStringLiteral("/Volumes/Work/Caf%C3%A9/AppIcon.appiconset"));
    EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/100%"), 0),
              QStringLiteral("/Volumes/Work/100%/AppIcon.appiconset"));
    const OutputPaths paths(QStringLiteral("/Volumes/Work/My%20Icons"), Platform::fromChoice(2));
    EXPECT_EQ(paths.appiconsetPath().toLocalFile(), QStringLiteral("/Volumes/Work/My%20Icons/AppIcon.appiconset"));
    EXPECT_EQ(paths.encodingPathString(), QStringLiteral("/Volumes/Work/My%20Icons"));
}

TEST(OutputPaths, ATrailingSeparatorIsKeptAndNamesTheSameFolder)
{
    EXPECT_EQ(iconSetFolder(QStringLiteral("/Volumes/Work/Icons/"), 1),
              QStringLiteral("/Volumes/Work/Icons//AppIcon.appiconset"));
    EXPECT_EQ(QDir::cleanPath(iconSetFolder(QStringLiteral("/Volumes/Work/Icons/"), 1)),
              QStringLiteral("/Volumes/Work/Icons/AppIcon.appiconset"));
}

TEST(OutputPaths, ALeadingTildeStandsForTheHomeFolder)
{
    EXPECT_EQ(iconSetFolder(QStringLiteral("~"), 6), QDir::homePath());
    EXPECT_EQ(iconSetFolder(QStringLiteral("~/Icons"), 0),
              QDir::homePath() + QStringLiteral("/Icons/AppIcon.appiconset"));
    // Only a leading "~" alone or before "/" is expanded.
    EXPECT_EQ(iconSetFolder(QStringLiteral("~other/Icons"), 6), QStringLiteral("~other/Icons"));
    EXPECT_EQ(iconSetFolder(QStringLiteral("/tmp/~/Icons"), 6), QStringLiteral("/tmp/~/Icons"));
}

} // namespace
} // namespace iconsmith
