#include "ui/dates/DateEntry.h"

#include "ui/dates/WholeNumberText.h"

namespace ui {

std::string CorrectedDayText(std::string_view text, int fallbackDay)
{
    std::string whole = ToWholeNumberText(text);
    const double day = ReadLeadingNumber(whole);
    if (day < 1 || day > 31)
        return std::to_string(fallbackDay);
    return whole;
}

std::string CorrectedYearText(std::string_view text)
{
    std::string whole = ToWholeNumberText(text);
    if (whole.size() < 4)
        return "1984";
    return whole;
}

} // namespace ui
