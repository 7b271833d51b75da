#include "app/diagnostics.h"

#include <QLoggingCategory>
#include <QtGlobal>

#include "codec/imagelibrary.h"

namespace iconsmith {

namespace {

QtMessageHandler g_defaultHandler = nullptr;

void criticalOnly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_defaultHandler != nullptr)
        g_defaultHandler(type, context, message);
}

} // namespace

bool Diagnostics::requested(const QStringList &arguments)
{
    const QByteArray variable = qgetenv("ICONSMITH_VERBOSE");
    return (!variable.isEmpty() && variable != "0") || arguments.contains(QStringLiteral("--verbose"));
}

void Diagnostics::apply(bool verbose)
{
    ImageLibrary::setWarningsShown(verbose);
    if (verbose) {
        QLoggingCategory::setFilterRules(QStringLiteral("iconsmith.*=true"));
        return;
    }
    // Rules from QT_LOGGING_RULES still take precedence, as they should.
    QLoggingCategory::setFilterRules(QStringLiteral("iconsmith.*=false"));
    g_defaultHandler = qInstallMessageHandler(criticalOnly);
}

} // namespace iconsmith
