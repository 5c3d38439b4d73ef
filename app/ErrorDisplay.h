#pragma once

#include <QString>
#include <functional>

// How an error that escaped a handler is shown. The message box can be replaced (tests do).
namespace ErrorDisplay {

// The message as shown: a "." is added when its last character sorts after ".".
QString Format(const QString& message);

// Shows the message modally, with an error icon, an OK button and the program's title.
void Show(const QString& message);

// Replaces the message box; an empty function puts it back.
void SetHandler(std::function<void(const QString& formatted)> handler);

} // namespace ErrorDisplay
