#pragma once

#include <ctime>

namespace quindel {

// The calendar time of a second, in UTC, by each system's thread-safe call.
inline std::tm utcOf(std::time_t seconds)
{
    std::tm utc{};
#ifdef _WIN32
    ::gmtime_s(&utc, &seconds);
#else
    ::gmtime_r(&seconds, &utc);
#endif
    return utc;
}

}  // namespace quindel
