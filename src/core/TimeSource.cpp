#include "core/TimeSource.h"

namespace quindel {

namespace {
const TimeSource* installedSource = nullptr;
}

std::int64_t time()
{
    // The rules ask nobody but the installed source for the time; until the
    // program installs one, every seed is second 0.
    return installedSource != nullptr ? installedSource->seconds() : 0;
}

void setTimeSource(const TimeSource* source)
{
    installedSource = source;
}

const TimeSource* timeSource()
{
    return installedSource;
}

}  // namespace quindel
