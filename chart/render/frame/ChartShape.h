#pragma once

#include "ChartBrush.h"
#include "ChartColor.h"
#include "ChartFont.h"
#include "ChartGeometry.h"
#include "ChartGradient.h"
#include "ChartPen.h"
#include "ChartShadow.h"
#include "SetIfChanged.h"
#include "frame/PanelTypes.h"

#include <memory>

class TCustomChartBase;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle };
enum TTextFormat { ttfNormal, ttfHtml };

// A chart part drawn with a pen and a brush (titles, walls, the legend). Any change of the part
// or of its pen and brush asks the chart for a repaint. Parts belong to their chart and report
// to it by address, so they are neither copied nor moved.
class TChartCustomShapeBrushPen {
public:
    explicit TChartCustomShapeBrushPen(TCustomChartBase* chart);
    virtual ~TChartCustomShapeBrushPen() = default;
    TChartCustomShapeBrushPen(const TChartCustomShapeBrushPen&) = delete;
    TChartCustomShapeBrushPen& operator=(const TChartCustomShapeBrushPen&) = delete;

    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Change(visible_, v); }

    TCustomChartBase* ParentChart() const { return chart_; }

protected:
    // Asks the chart for one later repaint.
    void Changed() const;
    template <class T> void Change(T& field, const T& value) {
        SetIfChanged(field, value, [this] { Changed(); });
    }

private:
    TCustomChartBase* chart_;
    TChartBrush brush_;
    TChartPen pen_;
    bool visible_ = true;
};

// A framed shape: colour, font, bevel, outline style, a drop shadow (black, 3 pixels each way, so
// an opaque shape throws one unless told otherwise) and a gradient made on first use. ShapeRect
// is where the shape stands in the last paint.
class TChartCustomShape : public TChartCustomShapeBrushPen {
public:
    explicit TChartCustomShape(TCustomChartBase* chart);

    TBevelCut Bevel() const { return bevel_; }
    void SetBevel(TBevelCut v) { Change(bevel_, v); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { Change(bevelWidth_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { Change(color_, v); }
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }
    TChartObjectShapeStyle ShapeStyle() const { return shapeStyle_; }
    void SetShapeStyle(TChartObjectShapeStyle v) { Change(shapeStyle_, v); }
    TTextFormat TextFormat() const { return textFormat_; }
    void SetTextFormat(TTextFormat v) { Change(textFormat_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Change(transparent_, v); }
    // Percent of what lies behind that shows through, 0..100.
    int Transparency() const { return transparency_; }
    void SetTransparency(int v) { Change(transparency_, v < 0 ? 0 : v > 100 ? 100 : v); }

    TChartShadow& Shadow() { return shadow_; }
    const TChartShadow& Shadow() const { return shadow_; }
    TChartGradient& Gradient();
    const TChartGradient* GradientIfAny() const { return gradient_.get(); }

    const TRect& ShapeRect() const { return shapeRect_; }
    TRect& ShapeRect() { return shapeRect_; }

private:
    TChartFont font_;
    TChartShadow shadow_{clBlack, 3};
    std::unique_ptr<TChartGradient> gradient_;
    TRect shapeRect_;
    TColor color_ = clWhite;
    TBevelCut bevel_ = bvNone;
    int bevelWidth_ = 2;
    TChartObjectShapeStyle shapeStyle_ = fosRectangle;
    TTextFormat textFormat_ = ttfNormal;
    bool transparent_ = false;
    int transparency_ = 0;
};

// A shape the user may place by hand: setting Left or Top switches CustomPosition on.
class TChartCustomShapePosition : public TChartCustomShape {
public:
    using TChartCustomShape::TChartCustomShape;

    bool CustomPosition() const { return customPosition_; }
    void SetCustomPosition(bool v) { Change(customPosition_, v); }
    int Left() const { return left_; }
    void SetLeft(int v);
    int Top() const { return top_; }
    void SetTop(int v);

private:
    int left_ = 0;
    int top_ = 0;
    bool customPosition_ = false;
};
