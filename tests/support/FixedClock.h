#pragma once

#include "app/Clock.h"

namespace testing_support {

class FixedClock final : public app::Clock {
public:
    explicit FixedClock(std::chrono::year_month_day today) : today(today) {}
    std::chrono::year_month_day Today() const override { return today; }
    std::chrono::year_month_day today;
};

} // namespace testing_support
