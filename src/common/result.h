#pragma once

#include <QString>

#include <cassert>
#include <utility>
#include <variant>

namespace iconsmith {

/** Why a call failed, in words fit to show a user. */
struct Failure
{
    QString reason;
};

/**
 * The outcome of a call that can fail: a value, or the reason it could not be had.
 *
 * Every fallible call of the library answers this way, so a caller never has to know which
 * ones throw. A Failure converts implicitly, so a function returns `Failure{tr("...")}` or its
 * value alike.
 */
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {} // NOLINT(google-explicit-constructor)
    Result(Failure failure)
        : m_state(std::in_place_index<1>, std::move(failure)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    /** The value; only when ok(). */
    [[nodiscard]] const T &value() const &
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    [[nodiscard]] T &value() &
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    [[nodiscard]] T &&value() &&
    {
        assert(ok());
        return std::get<0>(std::move(m_state));
    }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }
    const T &operator*() const & { return value(); }
    T &&operator*() && { return std::move(*this).value(); }

    /** The reason; empty when ok(). */
    [[nodiscard]] QString error() const { return ok() ? QString() : std::get<1>(m_state).reason; }

private:
    std::variant<T, Failure> m_state;
};

/** The outcome of a call that produces nothing but can fail. */
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true), m_reason(std::move(failure.reason)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString &error() const { return m_reason; }

private:
    bool m_failed = false;
    QString m_reason;
};

} // namespace iconsmith
