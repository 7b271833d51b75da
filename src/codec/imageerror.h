#pragma once

#include <QString>

#include <stdexcept>

namespace iconsmith {

/** A picture that could not be read or rendered, with a reason fit to show a user. */
class ImageError : public std::runtime_error
{
public:
    explicit ImageError(const QString &reason) : std::runtime_error(reason.toStdString()), m_reason(reason) {}
    [[nodiscard]] const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};

} // namespace iconsmith
