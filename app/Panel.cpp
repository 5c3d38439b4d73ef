#include "Panel.h"

#include "LatencyStamps.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
QColor ToQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
} // namespace

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TPanel::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TPanel::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void TPanel::PaintNow() {
    repaint();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height();
    p.fillRect(rect(), ToQColor(color_));
    // Raised bevel: light on the top and left, shadow on the bottom and right.
    p.setPen(ToQColor(clBtnHighlight));
    p.drawLine(0, 0, w - 2, 0);
    p.drawLine(0, 0, 0, h - 2);
    p.setPen(ToQColor(clBtnShadow));
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, h - 1);

    const QRect inner = rect().adjusted(1, 1, -1, -1);
    p.setClipRect(inner);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    // One line, centred both ways; a caption wider than the panel is cut at its inner edges.
    QRect textBox(0, 0, fontMetrics().horizontalAdvance(caption_), fontMetrics().height());
    textBox.moveCenter(inner.center());
    p.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    if (color_ == clLime)
        LatencyStamps::StampOnce(LatencyStamps::FrameHanded);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
