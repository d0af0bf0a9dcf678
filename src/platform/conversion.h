#pragma once

#include <QString>
#include <cstdint>

// Numbers on controls: decimal digits, a minus sign only for negatives, no leading blank.
namespace Conversion {
QString IntToText(std::int64_t value);
// Reads a label's decimal text back. Text that is not a number raises a type mismatch,
// a number outside -32768..32767 an overflow.
std::int16_t TextToInt(const QString &text);
} // namespace Conversion
