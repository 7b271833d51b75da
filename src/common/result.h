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
 * How Iconsmith reports failure:
 * - Every fallible call that a front end makes answers a Result: reading pictures, tables and
 *   project files, preparing a run (RunPlan::prepare()), running it (RunPlan::run(), whose
 *   report lists each file that failed), checking folders, parsing the command line. None of
 *   them throws.
 * - Deep inside a render, where there is no Result to fill, three things throw: the decoders and
 *   renderers (ImageError, with a reason for the user), a stopped run (Cancelled) and memory
 *   running out (std::bad_alloc).
 * - Those exceptions become Results in exactly two places: around one image of a generation
 *   (that file fails, the run goes on) and around the whole run, in RunPlan::run(). The
 *   programs' main() and the window's event loop catch what escapes anyway, as a last resort;
 *   no exception crosses the Qt event loop or leaves a worker thread.
 *
 * A Failure converts implicitly, so a function returns `Failure{tr("...")}` or its value alike.
 */
template <typename T> class [[nodiscard]] Result
{
public:
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

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
    T &operator*() & { return value(); }
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
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(Failure failure) : m_failed(true), m_reason(std::move(failure.reason)) {}

    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString &error() const { return m_reason; }

private:
    bool m_failed = false;
    QString m_reason;
};

} // namespace iconsmith
