#include "drill/int16.h"

#include "drill/runtime_error.h"

#include <cmath>
#include <limits>

namespace Int16 {

std::int16_t Checked(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(RuntimeError::Kind::Overflow, "Overflow");
    return static_cast<std::int16_t>(value);
}

std::int16_t Floor(double value) {
    const double floored = std::floor(value);
    if (!(floored >= std::numeric_limits<std::int16_t>::min() &&
          floored <= std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError(RuntimeError::Kind::Overflow, "Overflow");
    return static_cast<std::int16_t>(floored);
}

} // namespace Int16
