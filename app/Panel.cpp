#include "Panel.h"

#include <QBackingStore>
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

void TPanel::PrepareLook(TColor color, const QString& caption) {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    Draw(p, color, caption);
    p.end();
    prepared_ = {color, caption, std::move(image)};

    // The window system may still be reading the panel's last frame from memory it shares with
    // the window, and the next paint over that area would first wait a round trip for it to
    // finish. Waiting now, while the caller has time to spare, keeps that wait out of the moment
    // the prepared look is shown. What the store clears for painting gets the current look back;
    // nothing goes to the screen.
    QBackingStore* store = backingStore();
    if (store && isVisible()) {
        const QRect area(mapTo(window(), QPoint(0, 0)), size());
        store->beginPaint(area);
        QPainter current(store->paintDevice());
        current.translate(area.topLeft());
        Draw(current, color_, caption_);
        current.end();
        store->endPaint();
    }
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Look& look = prepared_;
    if (look.color == color_ && look.caption == caption_ && !look.image.isNull() &&
        look.image.deviceIndependentSize() == QSizeF(size()) &&
        look.image.devicePixelRatio() == devicePixelRatioF())
        p.drawImage(0, 0, look.image);
    else
        Draw(p, color_, caption_);
}

void TPanel::Draw(QPainter& p, TColor color, const QString& caption) const {
    const int w = width(), h = height();
    p.fillRect(rect(), ToQColor(color));
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
    QRect textBox(0, 0, fontMetrics().horizontalAdvance(caption), fontMetrics().height());
    textBox.moveCenter(inner.center());
    p.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
