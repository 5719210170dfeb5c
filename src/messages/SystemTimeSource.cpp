#include "messages/SystemTimeSource.h"

#include <chrono>

namespace quindel {

std::int64_t SystemTimeSource::seconds() const
{
    using namespace std::chrono;
    return duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace quindel
