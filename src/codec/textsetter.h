#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include "common/result.h"
#include "imaging/coveragemap.h"

namespace iconsmith {

/**
 * Sets a short text, an app's name, as large as it fits in a room: on one line, or on two where
 * breaking it at a space makes it larger, each line at most lineShare of the room's height. The
 * font is the system's bold sans-serif, with its fallbacks for the scripts it lacks; the lines
 * start at the text's own start (the right for right-to-left text). The text is set as it is:
 * markup characters stay characters.
 */
class TextSetter
{
    Q_DECLARE_TR_FUNCTIONS(TextSetter)

public:
    /** The coverage of the text's ink, cropped to it; an empty map for a text with nothing to set. */
    static Result<CoverageMap> set(const QString &text, QSize room);

    /**
     * Whether the fonts installed can show every character of @p text: without one for a script,
     * the text would show as boxes, which is worse than no text.
     */
    static bool canShow(const QString &text);

    /** The ways to lay @p text out: as one line, then broken at each space into two, at most maxBreaks of them. */
    static QStringList layouts(const QString &text);

    /** The tallest a line may be, as a share of the room's height: a short name is not blown up. */
    static constexpr double lineShare = 0.4;
    static constexpr int maxBreaks = 8;
};

} // namespace iconsmith
