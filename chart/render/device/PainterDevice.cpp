#include "device/PainterDevice.h"

#include "device/SegmentCut.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

QPainterPath LinePath(std::span<const QPointF> points, bool closed) {
    QPainterPath path;
    if (points.empty())
        return path;
    path.moveTo(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    if (closed)
        path.closeSubpath();
    return path;
}

QRectF PointBounds(std::span<const QPointF> points) {
    double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPointF& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// How far a pen reaches beyond the line it strokes.
double Reach(const QPen& pen) {
    return std::max(pen.widthF(), 1.0) * (pen.joinStyle() == Qt::MiterJoin ? 2.0 : 1.0);
}

// Whether the path is just an upright rectangle.
bool IsRect(const QPainterPath& path) {
    const int n = path.elementCount();
    if (n != 4 && n != 5)
        return false;
    const QRectF b = path.boundingRect();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isCurveTo() || (e.x != b.left() && e.x != b.right()) ||
            (e.y != b.top() && e.y != b.bottom()))
            return false;
    }
    return true;
}

} // namespace

TPainterDevice::Overlap TPainterDevice::Against(const QRectF& bounds) const {
    if (!clip_)
        return Overlap::Inside;
    if (!bounds.intersects(clip_->bounds))
        return Overlap::None;
    if (clip_->isRect ? clip_->bounds.contains(bounds) : clip_->area.contains(bounds))
        return Overlap::Inside;
    return Overlap::Partly;
}

void TPainterDevice::Stroke(std::span<const QPointF> points, bool closed, const QPen& pen) {
    if (points.size() < 2 || pen.style() == Qt::NoPen)
        return;
    const double reach = Reach(pen);
    const QRectF bounds = PointBounds(points).adjusted(-reach, -reach, reach, reach);
    switch (Against(bounds)) {
    case Overlap::None:
        return;
    case Overlap::Inside:
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        if (closed)
            painter_.drawPolygon(points.data(), int(points.size()));
        else
            painter_.drawPolyline(points.data(), int(points.size()));
        return;
    case Overlap::Partly:
        if (clip_->isRect && pen.widthF() <= 1)
            StrokeCutToRect(points, closed, pen);
        else
            StrokeCutToArea(points, closed, pen);
        return;
    }
}

void TPainterDevice::StrokeCutToRect(std::span<const QPointF> points, bool closed,
                                     const QPen& pen) {
    const QRectF& r = clip_->bounds;
    const std::size_t n = points.size();
    const std::size_t segments = closed ? n : n - 1;
    // Pieces that join are drawn as one line, so their joints look as they would uncut.
    QPolygonF piece;
    double pieceStart = 0;
    double run = 0;
    const auto flush = [&] {
        if (piece.size() >= 2) {
            QPen p = pen;
            if (p.style() != Qt::SolidLine)
                p.setDashOffset(pen.dashOffset() + pieceStart / std::max(pen.widthF(), 1.0));
            painter_.setPen(p);
            painter_.setBrush(Qt::NoBrush);
            painter_.drawPolyline(piece);
        }
        piece.clear();
    };
    for (std::size_t i = 0; i < segments; ++i) {
        const QPointF a = points[i];
        const QPointF b = points[(i + 1) % n];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        double t0 = 0;
        double t1 = 1;
        if (CutSegmentToRect(a, b, r, t0, t1) && t0 < t1) {
            const QPointF from = a + t0 * (b - a);
            const QPointF to = a + t1 * (b - a);
            if (t0 > 0 || piece.isEmpty()) {
                flush();
                piece << from;
                pieceStart = run + t0 * length;
            }
            piece << to;
            if (t1 < 1)
                flush();
        } else {
            flush();
        }
        run += length;
    }
    flush();
}

void TPainterDevice::StrokeCutToArea(std::span<const QPointF> points, bool closed,
                                     const QPen& pen) {
    QPainterPathStroker stroker(pen);
    const QPainterPath outline = stroker.createStroke(LinePath(points, closed));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(pen.color());
    painter_.drawPath(outline.intersected(clip_->area));
}

void TPainterDevice::Fill(const QPainterPath& area, const QColor& color, const QPen* outline) {
    const double reach = outline ? Reach(*outline) : 0;
    const Overlap overlap = Against(area.boundingRect().adjusted(-reach, -reach, reach, reach));
    if (overlap == Overlap::None)
        return;
    const bool fills = color.alpha() != 0;
    if (overlap == Overlap::Inside) {
        painter_.setPen(outline ? *outline : QPen(Qt::NoPen));
        painter_.setBrush(fills ? QBrush(color) : QBrush(Qt::NoBrush));
        painter_.drawPath(area);
        return;
    }
    if (fills) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(color);
        if (clip_->isRect && IsRect(area))
            painter_.drawRect(area.boundingRect().intersected(clip_->bounds));
        else
            painter_.drawPath(area.intersected(clip_->area));
    }
    if (outline)
        for (const QPolygonF& ring : area.toSubpathPolygons())
            Stroke(ring, true, *outline);
}

void TPainterDevice::FillGradient(const QRectF& r, const QGradient& gradient) {
    const Overlap overlap = Against(r);
    if (overlap == Overlap::None)
        return;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(gradient);
    if (overlap == Overlap::Inside) {
        painter_.drawRect(r);
    } else if (clip_->isRect) {
        painter_.drawRect(r.intersected(clip_->bounds));
    } else {
        QPainterPath area;
        area.addRect(r);
        painter_.drawPath(area.intersected(clip_->area));
    }
}

void TPainterDevice::Text(QPointF reference, double degrees, QPointF origin, const QFont& font,
                          const QString& text, const QColor& color,
                          const std::optional<TextBox>& background) {
    QTransform turn;
    turn.translate(reference.x(), reference.y());
    turn.rotate(-degrees);
    const QFontMetricsF fm(font);
    const QRectF box(origin.x(), origin.y() - fm.ascent(), fm.horizontalAdvance(text),
                     fm.ascent() + fm.descent());
    // Text stays text: one that the clip cuts into is written whole, one wholly outside is left
    // out.
    if (Against(turn.mapRect(box)) == Overlap::None)
        return;
    painter_.save();
    painter_.setTransform(turn, true);
    if (background)
        painter_.fillRect(background->rect, background->color);
    painter_.setFont(font);
    painter_.setPen(color);
    painter_.drawText(origin, text);
    painter_.restore();
}

void TPainterDevice::SetClip(std::optional<Clip> clip) {
    clip_ = std::move(clip);
}

void TPainterDevice::ClipTo(const QPainterPath& area) {
    outer_.push_back(clip_);
    Clip next;
    if (!clip_) {
        next.area = area;
        next.isRect = IsRect(area);
    } else if (clip_->isRect && IsRect(area)) {
        next.area = QPainterPath();
        next.area.addRect(clip_->bounds.intersected(area.boundingRect()));
        next.isRect = true;
    } else {
        next.area = clip_->area.intersected(area);
        next.isRect = IsRect(next.area);
    }
    next.bounds = next.area.boundingRect();
    SetClip(std::move(next));
}

void TPainterDevice::RemoveClip() {
    if (outer_.empty()) {
        ClearClip();
        return;
    }
    SetClip(std::move(outer_.back()));
    outer_.pop_back();
}

void TPainterDevice::ClearClip() {
    clip_.reset();
    outer_.clear();
}
