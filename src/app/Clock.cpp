#include "app/Clock.h"

#include <ctime>

namespace app {

std::chrono::year_month_day SystemClock::Today() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)}
           / std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

} // namespace app
