#pragma once

#include <QPlainTextEdit>

// The results log: a plain text the user may also type into. A middle click pastes the X
// selection as text, the way a line edit does: Qt's own path through the selection's data
// crashes when no program holds a selection.
class TMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
