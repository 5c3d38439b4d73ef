#include "AccessKeys.h"

#include "Button.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

AccessKeys::AccessKeys(QWidget* window) : QObject(window), window_(window) {
    // The window previews every key typed into it, as the application sees it first.
    qApp->installEventFilter(this);
}

AccessKeys::~AccessKeys() {
    qApp->removeEventFilter(this);
}

bool AccessKeys::TakesText(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
            qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QAbstractItemView*>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    // A key reaches the focus widget and then, unhandled, its parents: offer it only once.
    if (QWidget* focus = QApplication::focusWidget(); focus && widget != focus)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool alt = key->modifiers() & Qt::AltModifier;
    QChar letter;
    if (alt && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        letter = QChar(u'A' + (key->key() - Qt::Key_A));
    else if (text.size() == 1 && text[0].isLetterOrNumber())
        letter = text[0].toUpper();
    if (letter.isNull())
        return false;
    if (!alt && TakesText(widget))
        return false;
    if (Offer(letter))
        return true;
    // An Alt+letter is a command, never text: no widget types it. A spin box refuses it itself,
    // with its beep.
    return alt && !InSpinBox(widget);
}

bool AccessKeys::InSpinBox(const QWidget* widget) {
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(w))
            return true;
    return false;
}

bool AccessKeys::Offer(QChar letter) {
    for (TButton* button : window_->findChildren<TButton*>()) {
        if (button->AccessKey() != letter || !button->isVisible() || !button->isEnabled())
            continue;
        button->click();
        return true;
    }
    return false;
}
