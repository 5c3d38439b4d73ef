#pragma once

#include <QString>
#include <functional>

// A yes-or-no question before something that cannot be undone. The dialog can be replaced
// (tests do).
namespace ConfirmDialog {

// Asks modally with OK and Cancel; true for OK.
bool Ask(const QString& question);

// Replaces the dialog; an empty function puts it back.
void SetHandler(std::function<bool(const QString& question)> handler);

} // namespace ConfirmDialog
