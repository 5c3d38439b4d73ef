#pragma once

#include <QPushButton>

// A push button whose caption marks its access key with "&". Access keys are handled for the
// whole window by AccessKeys, so the toolkit's own mnemonic shortcut is not registered.
class TButton : public QPushButton {
    Q_OBJECT
public:
    TButton(const QString& caption, QWidget* parent);

    // The access key letter of the caption, upper case; null when the caption marks none.
    QChar AccessKey() const;

    // Disabling a focused button hands the focus to its window, so that access keys typed next
    // still reach the buttons.
    void SetEnabled(bool enabled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
