#pragma once

#include "MessageBoxes.h"

#include <functional>

class QAbstractButton;

// Runs an action for a widget of ours and shows what it raises on the error display, so that no
// exception unwinds through the toolkit's own frames. An EAbort ends the action silently.
// Returns false when it raised.
bool Guarded(platform::ErrorDisplay& errors, const std::function<void()>& action);

// Runs a button's click handler through Guarded, so that what it raises is shown without
// unwinding through the toolkit's own frames: they are built without exceptions and free
// nothing on the way (the mouse event and its points leak).
void ConnectClick(QAbstractButton* button, platform::ErrorDisplay& errors,
                  std::function<void()> handler);
