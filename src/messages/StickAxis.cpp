#include "messages/StickAxis.h"

namespace quindel {

StickAxis::Side StickAxis::update(int value)
{
    // A flick straight across passes the far threshold in one reading.
    if (value >= PressAt)
        current = Side::Positive;
    else if (value <= -PressAt)
        current = Side::Negative;
    else if (current == Side::Positive && value < ReleaseBelow)
        current = Side::Centre;
    else if (current == Side::Negative && value > -ReleaseBelow)
        current = Side::Centre;
    return current;
}

}  // namespace quindel
