#include "Button.h"

#include <QKeyEvent>
#include <QKeySequence>

TButton::TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setShortcut(QKeySequence());
    setAutoDefault(false);
}

QChar TButton::AccessKey() const {
    const QString t = text();
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != u'&')
            continue;
        if (t[i + 1] != u'&')
            return t[i + 1].toUpper();
        ++i; // "&&" is a literal ampersand
    }
    return {};
}

void TButton::SetEnabled(bool enabled) {
    if (!enabled && hasFocus())
        window()->setFocus(Qt::OtherFocusReason);
    setEnabled(enabled);
}

void TButton::keyPressEvent(QKeyEvent* event) {
    // Enter clicks a focused button as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
