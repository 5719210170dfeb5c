#include "TimeSource.h"

#include <chrono>

namespace quindel {

namespace {
const TimeSource* installedSource = nullptr;
}

std::int64_t time()
{
    if (installedSource != nullptr)
        return installedSource->seconds();
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void setTimeSource(const TimeSource* source)
{
    installedSource = source;
}

}  // namespace quindel
