#pragma once

// Today's date, injected wherever a rule depends on it so that tests pin it.

#include <chrono>

namespace app {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::year_month_day Today() const = 0;
};

// The local calendar date of the system clock.
class SystemClock final : public Clock {
public:
    std::chrono::year_month_day Today() const override;
};

} // namespace app
