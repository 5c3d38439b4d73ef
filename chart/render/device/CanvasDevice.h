#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <span>

// Where a canvas's drawing goes when it is not the canvas's own raster surface. Every shape
// arrives as geometry in the canvas's pixel coordinates (pixel (x, y) is the square from x to
// x + 1 and y to y + 1) with the pen or colour it is drawn in; the canvas keeps its pen, brush,
// font and clip stack and has already applied its pixel rules to the geometry. A device only
// draws and clips.
class TCanvasDevice {
public:
    virtual ~TCanvasDevice() = default;

    // An open or closed line through the points.
    virtual void Stroke(std::span<const QPointF> points, bool closed, const QPen& pen) = 0;
    // The area filled with a solid colour (a transparent one fills nothing), then outlined
    // when outline is set.
    virtual void Fill(const QPainterPath& area, const QColor& color, const QPen* outline) = 0;
    virtual void FillGradient(const QRectF& r, const QGradient& gradient) = 0;

    struct TextBox {
        QRectF rect;
        QColor color;
    };
    // Text whose baseline starts at origin, in coordinates whose origin is the reference point
    // and which are turned counter-clockwise by degrees; background, when set, is filled first
    // in the same coordinates.
    virtual void Text(QPointF reference, double degrees, QPointF origin, const QFont& font,
                      const QString& text, const QColor& color,
                      const std::optional<TextBox>& background) = 0;

    // Clips nest like the canvas's: each intersects the one in force; RemoveClip puts back the
    // one before it, or lifts every clip when none stands.
    virtual void ClipTo(const QPainterPath& area) = 0;
    virtual void RemoveClip() = 0;
    virtual void ClearClip() = 0;
};
