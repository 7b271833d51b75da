#pragma once

#include <exception>
#include <stop_token>

namespace iconsmith {

/**
 * Thrown by long computations (renders, encodes, decodes) that notice their stop token was
 * triggered: the work was abandoned on request, it did not fail.
 */
class Cancelled : public std::exception
{
public:
    [[nodiscard]] const char *what() const noexcept override { return "cancelled"; }

    /** Throws Cancelled when a stop was requested through @p stop. */
    static void throwIfRequested(const std::stop_token &stop)
    {
        if (stop.stop_requested())
            throw Cancelled();
    }
};

} // namespace iconsmith
