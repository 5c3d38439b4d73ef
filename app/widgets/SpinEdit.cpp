#include "SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <limits>

TSpinEdit::TSpinEdit(int value, QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(UpDownArrows);
    setKeyboardTracking(true);
    SetValue(value);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
}

int TSpinEdit::Value() const {
    return IntegerValue().value_or(0);
}

std::optional<int> TSpinEdit::IntegerValue() const {
    bool ok = false;
    const int v = text().trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}

void TSpinEdit::SetValue(int value) {
    lineEdit()->setText(QString::number(value));
}

void TSpinEdit::stepBy(int steps) {
    // One step is one, whatever modifier the toolkit would multiply it by; the value stays
    // within the integer range.
    const int step = (steps > 0) - (steps < 0);
    const int value = Value();
    if ((step > 0 && value == std::numeric_limits<int>::max()) ||
        (step < 0 && value == std::numeric_limits<int>::min()))
        return;
    SetValue(value + step);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        const QChar c = text[0];
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        // A character typed with Alt is an access key no button took, never text.
        const bool alt = event->modifiers() & Qt::AltModifier;
        const bool digit = c >= u'0' && c <= u'9';
        const bool allowed =
            !alt && (digit || c == u'+' || c == u'-' || QLocale().decimalPoint() == QString(c) ||
                     (control && !enter));
        if (!allowed) {
            if (OnRefusedKey)
                OnRefusedKey();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
