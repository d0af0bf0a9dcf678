#include "platform/conversion.h"

#include "platform/int16.h"
#include "platform/runtime_error.h"

#include <QRegularExpression>

namespace Conversion {

QString IntToText(std::int64_t value) {
    return QString::number(value);
}

std::int16_t TextToInt(const QString &text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok) {
        // Digits too many for 64 bits are still a number, only a far too large one.
        static const QRegularExpression digits(QStringLiteral("^\\s*[-+]?\\d+\\s*$"));
        if (digits.match(text).hasMatch())
            throw RuntimeError(RuntimeError::Kind::Overflow, "Overflow");
        throw RuntimeError(RuntimeError::Kind::TypeMismatch,
                           "Type mismatch: \"" + text.toStdString() + "\" is not a number");
    }
    return Int16::Checked(value);
}

} // namespace Conversion
