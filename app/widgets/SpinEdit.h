#pragma once

#include <QAbstractSpinBox>
#include <functional>
#include <optional>

// An unbounded integer spin box. Only the digits 0-9, signs, the decimal separator and control
// keys other than Enter may be typed (anything else, and any character with Alt, is refused
// with a beep); pasted text is taken as it is. The value is the text read as a decimal integer,
// or 0 when it is not one. The arrow keys and buttons step by one, with or without Ctrl, and
// stop at the ends of the integer range.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ Value WRITE SetValue)
public:
    TSpinEdit(int value, QWidget* parent);

    int Value() const;
    // The text read as a decimal integer; none when it is not one.
    std::optional<int> IntegerValue() const;
    void SetValue(int value);

    void stepBy(int steps) override;

    // The text box inside, as the user types and pastes into it.
    QLineEdit* Editor() const { return lineEdit(); }

    std::function<void()> OnChange; // on every change of the text
    std::function<void()> OnRefusedKey;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    void fixup(QString&) const override {}
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
