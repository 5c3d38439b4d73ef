#pragma once

#include "device/CanvasDevice.h"

#include <QPainter>

#include <optional>
#include <vector>

// Records a canvas's drawing as vector operations on a painter (an SVG or PDF generator, a
// printer, or an image drawn at a larger scale): lines as paths with their pen, areas filled
// with their colour, gradients as gradients, text as text in its font. The clip is applied to
// the geometry itself, not left to the painter, because some vector painters write no clip at
// all: what reaches the painter is only what the clip lets through.
class TPainterDevice : public TCanvasDevice {
public:
    explicit TPainterDevice(QPainter& painter) : painter_(painter) {}

    void Stroke(std::span<const QPointF> points, bool closed, const QPen& pen) override;
    void Fill(const QPainterPath& area, const QColor& color, const QPen* outline) override;
    void FillGradient(const QRectF& r, const QGradient& gradient) override;
    void Text(QPointF reference, double degrees, QPointF origin, const QFont& font,
              const QString& text, const QColor& color,
              const std::optional<TextBox>& background) override;

    void ClipTo(const QPainterPath& area) override;
    void RemoveClip() override;
    void ClearClip() override;

protected:
    QPainter& Painter() { return painter_; }

private:
    struct Clip {
        QPainterPath area;
        QRectF bounds;
        bool isRect = false;
    };
    enum class Overlap { None, Inside, Partly };
    // How a shape with these bounds stands to the clip in force.
    Overlap Against(const QRectF& bounds) const;
    void SetClip(std::optional<Clip> clip);
    // The line cut to a rectangular clip, each piece drawn with the dash pattern carried on.
    void StrokeCutToRect(std::span<const QPointF> points, bool closed, const QPen& pen);
    // The outline the pen makes, cut to the clip and filled.
    void StrokeCutToArea(std::span<const QPointF> points, bool closed, const QPen& pen);

    QPainter& painter_;
    std::optional<Clip> clip_;
    // For each clip standing, the clip in force before it.
    std::vector<std::optional<Clip>> outer_;
};
