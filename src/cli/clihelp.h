#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace iconsmith {

/** The command line's options, as the parser knows them and as --help shows them. */
class CliHelp
{
    Q_DECLARE_TR_FUNCTIONS(CliHelp)

public:
    /** Adds every option, the source argument, --help and --version to @p parser. */
    static void describe(QCommandLineParser &parser);
    /** The long names of the options that say what to make, which a project file gives instead. */
    static const QStringList &recipeOptions();
    /** What --help shows after the options: the targets, examples and the exit statuses. */
    static QString epilogue();
};

} // namespace iconsmith
