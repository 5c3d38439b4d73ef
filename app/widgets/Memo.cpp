#include "Memo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>

void TMemo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton) {
        QPlainTextEdit::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (isReadOnly() || !clipboard->supportsSelection())
        return;
    const QString text = clipboard->text(QClipboard::Selection);
    if (text.isEmpty())
        return;
    setTextCursor(cursorForPosition(event->position().toPoint()));
    insertPlainText(text);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
    // Only text is ever pasted into the log, and only when there is some.
    if (source && source->hasText())
        insertPlainText(source->text());
}
