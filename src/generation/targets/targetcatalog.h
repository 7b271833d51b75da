#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "common/result.h"
#include "generation/targets/targetplan.h"

namespace iconsmith {

/** Every target Iconsmith can write, by name, and the names that stand for several. */
class TargetCatalog
{
    Q_DECLARE_TR_FUNCTIONS(TargetCatalog)

public:
    struct Entry
    {
        QString name;
        QString description;
        TargetPlan (*plan)(const TargetContext &);
    };

    /** Every target, in the order they are written and listed. */
    static const QList<Entry> &all();
    /** The target called @p name, or nullptr. */
    static const Entry *find(const QString &name);
    /** The targets "apple" stands for. */
    static QStringList apple();
    /**
     * The targets a comma-separated list names, each once and in catalog order; "apple" and
     * "everything" stand for several. Fails on an unknown name, naming it.
     */
    static Result<QStringList> parse(const QString &list);
    /** What the picture of @p role is for, as a user names it ("Dark", "Android foreground"). */
    static QString pictureName(SourceRole role);
};

} // namespace iconsmith
