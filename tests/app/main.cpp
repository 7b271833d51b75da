#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#include "app/launcher.h"

// Widget tests run without a screen and never see the user's settings: each test process gets
// a settings folder of its own, so tests running side by side cannot read each other's values.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    const QString base =
        qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") ? QDir::tempPath() : qEnvironmentVariable("XDG_CONFIG_HOME");
    QDir().mkpath(base);
    const QTemporaryDir configHome(base + QStringLiteral("/iconsmith-app-tests-XXXXXX"));
    if (!configHome.isValid()) {
        std::fprintf(stderr, "cannot create a settings folder under %s\n", qPrintable(base));
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));

    QApplication application(argc, argv);
    // Every generation logs a line per icon; the test that looks at them turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("iconsmith.generation.info=false"));
    iconsmith::Launcher::configure(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
