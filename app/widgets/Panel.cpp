#include "Panel.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {
QColor ToQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// The image behind a backing store, where the platform keeps one.
QImage* StoreImage(QBackingStore* store) {
    return store ? dynamic_cast<QImage*>(store->paintDevice()) : nullptr;
}
} // namespace

TPanel::TPanel(QWidget* parent) : QWidget(parent), frameDue_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    frameDue_->setSingleShot(true);
    frameDue_->setInterval(FrameDueMs);
    connect(frameDue_, &QTimer::timeout, this, [this] { FrameShown(); });
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
    stored_ = {};
    if (presenter_) {
        presenter_->Prepare(prepared_.image);
        return;
    }

    // The look also goes into the window's backing store now, while the caller has time to
    // spare: when the panel takes it, its paint finds the pixels in place and the frame only has
    // to be flushed. Nothing reaches the screen before that flush. Opening the store for painting
    // also waits out the window system's read of the last frame from memory it shares with the
    // window, which would otherwise cost a round trip at that moment.
    QBackingStore* store = backingStore();
    if (!store || !isVisible())
        return;
    const QRect area = AreaInWindow();
    store->beginPaint(area);
    QImage* target = StoreImage(store);
    if (target) {
        QPainter into(target);
        into.setCompositionMode(QPainter::CompositionMode_Source);
        into.drawImage(area.topLeft(), prepared_.image);
    }
    store->endPaint();
    if (target) {
        stored_ = {area, target->cacheKey()};
        WatchWindowExposure();
    }
}

void TPanel::PresentThrough(platform::FramePresenter* presenter) {
    presenter_ = presenter;
    prepared_ = {};
    stored_ = {};
}

std::uint32_t TPanel::PresentLook(TColor color, const QString& caption) {
    if (!LookPrepared(color, caption))
        PrepareLook(color, caption);
    // Taken without a repaint request: a paint now would reach the window before the frame.
    color_ = color;
    caption_ = caption;
    setAccessibleName(caption);
    frameDue_->start();
    return presenter_->Present();
}

void TPanel::FrameShown() {
    frameDue_->stop();
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    const bool prepared = PreparedLookIsCurrent();
    // A paint into the window's backing store that finds the look already there has nothing to
    // draw; a grab paints into a device of its own and draws.
    if (prepared && PreparedLookInStore() && redirected(nullptr) == backingStore()->paintDevice())
        return;
    QPainter p(this);
    if (prepared)
        p.drawImage(0, 0, prepared_.image);
    else
        Draw(p, color_, caption_);
}

bool TPanel::eventFilter(QObject* watched, QEvent* event) {
    // An exposed window is flushed from its backing store as it stands, without repainting what
    // has not changed; a look the panel has not yet taken must not show that way. Marked dirty,
    // the panel paints its current look over it first.
    if (event->type() == QEvent::Expose && PreparedLookInStore() && !PreparedLookIsCurrent())
        update();
    return QWidget::eventFilter(watched, event);
}

QRect TPanel::AreaInWindow() const {
    return QRect(mapTo(window(), QPoint(0, 0)), size());
}

bool TPanel::PreparedLookIsCurrent() const {
    return LookPrepared(color_, caption_);
}

bool TPanel::LookPrepared(TColor color, const QString& caption) const {
    const Look& look = prepared_;
    return look.color == color && look.caption == caption && !look.image.isNull() &&
           look.image.deviceIndependentSize() == QSizeF(size()) &&
           look.image.devicePixelRatio() == devicePixelRatioF();
}

bool TPanel::PreparedLookInStore() const {
    if (stored_.key == 0)
        return false;
    const QImage* image = StoreImage(backingStore());
    return image && image->cacheKey() == stored_.key && AreaInWindow() == stored_.area;
}

void TPanel::WatchWindowExposure() {
    QWindow* handle = window()->windowHandle();
    if (handle == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = handle;
    if (handle)
        handle->installEventFilter(this);
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
    pressTimestamp_ = event->timestamp();
    if (OnMouseDown)
        OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
