#pragma once

#include <QCoreApplication>
#include <QString>

namespace iconsmith {

/**
 * The imaging library's error text made into words for the user.
 *
 * The format libraries under it report failures their own way: a numeric code ("(6.1000)", the
 * HEIF library's "image too large"), a field number ("required field 262 missing"), a parser's
 * error domain and code, a run of bytes in hexadecimal, prefixed with the name of an internal
 * operation. What reaches the user is a sentence that says what is wrong (damaged or incomplete,
 * too large, not supported), naming the format, followed by the library's own words where they
 * add something a reader can use.
 */
class LibraryError
{
    Q_DECLARE_TR_FUNCTIONS(LibraryError)

public:
    /**
     * A reason for the library's error text @p text, met reading a file with the loader
     * @p loader (the operation's nickname, such as "heifload_buffer"). A text function only: the
     * caller clears the library's error buffer.
     */
    static QString explain(const QString &loader, const char *text);
};

} // namespace iconsmith
