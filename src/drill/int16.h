#pragma once

#include <cstdint>

// 16-bit arithmetic that raises an overflow (RuntimeError) instead of wrapping.
namespace Int16 {
std::int16_t Checked(std::int64_t value);
inline std::int16_t Add(std::int16_t a, std::int16_t b) {
    return Checked(std::int64_t{a} + std::int64_t{b});
}
inline std::int16_t Sub(std::int16_t a, std::int16_t b) {
    return Checked(std::int64_t{a} - std::int64_t{b});
}
inline std::int16_t Abs(std::int16_t a) {
    return Checked(a < 0 ? -std::int64_t{a} : a);
}
// Floor of a floating value, as a 16-bit integer.
std::int16_t Floor(double value);
} // namespace Int16
