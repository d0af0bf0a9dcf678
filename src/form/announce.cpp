#include "form/announce.h"

#include <QAccessible>

namespace Accessibility {
namespace {
Listener &listener() {
    static Listener l;
    return l;
}
} // namespace

void Announce(QObject *control) {
    if (listener())
        listener()(control);
    QAccessibleEvent nameChanged(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void SetListenerForTesting(Listener l) {
    listener() = std::move(l);
}
} // namespace Accessibility
