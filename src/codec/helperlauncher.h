#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace iconsmith {

/**
 * Starts Iconsmith's helper processes, always from one thread that lives as long as the
 * program.
 *
 * A helper asks the kernel to end it when its parent ends (PR_SET_PDEATHSIG on Linux), and the
 * kernel takes "parent" to be the thread that started it: a helper started from a worker thread
 * that later retires (Qt's pool ends threads left idle for 30 seconds) would be killed with that
 * thread, in the middle of the program's life. Started from the launcher's thread, it lives
 * exactly as long as the program.
 *
 * The helper gets nothing of the program but its command line, its environment and standard
 * error: standard input and output are /dev/null, and no other descriptor of the program
 * reaches it but the one it is given.
 *
 * Hazard: the launcher's thread does not survive fork(); a forked child must not start helpers.
 */
class HelperLauncher
{
public:
    /**
     * Starts @p program with @p arguments (the program's name comes first), with the
     * descriptor @p channel as descriptor @p channelAs of the helper. Returns the helper's
     * process id, or -1 when it could not be started.
     */
    static qint64 launch(const QByteArray &program, const QList<QByteArray> &arguments, int channel, int channelAs);
    /**
     * Whether launch() itself keeps the program's other descriptors from the helper; where it
     * cannot (a C library without closefrom for posix_spawn), the helper must close them.
     */
    static const bool closesDescriptors;
};

} // namespace iconsmith
