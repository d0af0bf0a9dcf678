#pragma once

#include <QObject>
#include <functional>

// Tells screen readers that a control's text has just appeared, so they read it out.
namespace Accessibility {
void Announce(QObject *control);

// The toolkit only passes events on while a screen reader is listening; tests listen here.
using Listener = std::function<void(QObject *control)>;
void SetListenerForTesting(Listener listener);
} // namespace Accessibility
