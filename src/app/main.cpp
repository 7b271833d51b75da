#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <new>

#include "app/diagnostics.h"
#include "app/launcher.h"
#include "codec/imagelibrary.h"
#include "common/allocatortuning.h"

namespace {

QString unexpected(const char *reason)
{
    return QCoreApplication::translate("main", "Iconsmith was stopped by an unexpected error: %1")
        .arg(QString::fromLocal8Bit(reason));
}

// An exception must not unwind through Qt's event loop (that is undefined behaviour): one that
// escapes an event handler is reported here and ends the application with status 1.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc &) {
            stop("out of memory");
        } catch (const std::exception &error) {
            stop(error.what());
        } catch (...) {
            stop("unknown");
        }
        return false;
    }

private:
    static void stop(const char *reason)
    {
        const QString message = unexpected(reason);
        std::fprintf(stderr, "iconsmith: %s\n", message.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Iconsmith"), message);
        QCoreApplication::exit(1);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    try {
        // Before anything else runs: start-up briefly sets an environment variable.
        iconsmith::tuneAllocatorForLargeBuffers();
        iconsmith::ImageLibrary::ensureStarted();
        GuardedApplication application(argc, argv);
        iconsmith::Diagnostics::apply(iconsmith::Diagnostics::requested(QCoreApplication::arguments()));
        iconsmith::Launcher::configure(application);
        iconsmith::Launcher launcher;
        launcher.launch(QCoreApplication::arguments());
        return QCoreApplication::exec();
    } catch (const std::bad_alloc &) {
        std::fprintf(stderr, "iconsmith: %s\n", unexpected("out of memory").toLocal8Bit().constData());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "iconsmith: %s\n", unexpected(error.what()).toLocal8Bit().constData());
    } catch (...) {
        std::fprintf(stderr, "iconsmith: %s\n", unexpected("unknown").toLocal8Bit().constData());
    }
    return 1;
}
