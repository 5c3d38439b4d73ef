#pragma once

#include "MessageBoxes.h"

#include <functional>

// Runs an action for a widget of ours and shows what it raises on the error display, so that no
// exception unwinds through the toolkit's own frames. An EAbort ends the action silently.
// Returns false when it raised.
bool Guarded(platform::ErrorDisplay& errors, const std::function<void()>& action);
