#pragma once

// Helpers shared by the fuzz targets.
//
// FUZZ_CHECK stops the run when a function breaks one of its promises, so
// that libFuzzer keeps the input as a crash file. assert() would not do: the
// fuzz build is optimised and defines NDEBUG.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size)
{
    return { reinterpret_cast<const char*>(data), size };
}

// Splits the input into at most count fields at separator; the last field
// keeps the rest, separators included, and missing fields are empty. Seeds
// stay readable this way: "Jan\n4\n1980".
inline std::vector<std::string_view> SplitFields(std::string_view text, char separator, std::size_t count)
{
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t end = text.find(separator);
        if (end == std::string_view::npos)
            break;
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    fields.push_back(text);
    fields.resize(count);
    return fields;
}

} // namespace fuzz
