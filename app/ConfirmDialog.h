#pragma once

#include <QString>
#include <functional>

// A yes-or-no question before something that cannot be undone. The dialog can be replaced
// (tests do).
namespace ConfirmDialog {

enum class Answers { OkCancel, YesNo };

// Asks modally; true for OK (Yes).
bool Ask(const QString& question, const QString& caption = QStringLiteral("Confirm"),
         Answers answers = Answers::OkCancel);

// Replaces the dialog; an empty function puts it back.
void SetHandler(std::function<bool(const QString& question)> handler);

} // namespace ConfirmDialog
