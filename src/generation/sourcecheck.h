#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

namespace iconsmith {

/**
 * Something about the source that will show in the icons; never a reason to stop, but for
 * TooLarge: an output larger than Iconsmith makes, which would fail if generated.
 */
struct SourceWarning
{
    enum class Kind {
        TransparentMarketingIcon,
        Enlarged,
        NotSquare,
        TooLarge,
        /** An appearance the system shows on its own backdrop would be hard to see there (made by the targets). */
        HardToSee,
    };
    Kind kind;
    QString message;
};

/** What a generation is about to make, as far as the checks of the source are concerned. */
struct OutputPlan
{
    struct Output
    {
        QString name;
        QSize pixels;
    };
    QList<Output> outputs;
    /** Icons are stretched to their sizes; the scaled image set keeps the source's proportions. */
    bool stretched = true;
    /** Icons keep the source's proportions, its longer side fitted to their squares (the targets, Fit). */
    bool fitted = false;
    bool rounded = false;
    bool background = false;
};

/**
 * The checks made on a source before (or while) it becomes icons: the App Store's rejection of
 * a marketing icon that is transparent, sources smaller than the largest icon, sources that
 * are not square, and outputs too large to make. They are worded for the person who made the
 * picture.
 */
class SourceCheck
{
    Q_DECLARE_TR_FUNCTIONS(SourceCheck)

public:
    /** The source as far as the checks need it. */
    struct Facts
    {
        QSize size;
        bool transparent = false;
        bool vector = false;
    };

    static QList<SourceWarning> check(const Facts &source, const OutputPlan &plan);
    /** Whether @p warnings hold one that means the generation would fail. */
    static bool blocksGeneration(const QList<SourceWarning> &warnings);
};

} // namespace iconsmith
