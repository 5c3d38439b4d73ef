#pragma once

#include "ChangeNotifier.h"
#include "ChartColor.h"

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// A brush of a chart element; its default colour means "the owner's colour". Any change tells
// the owner, which asks its chart to repaint. (Picture patterns are never used by the program.)
class TChartBrush : public TChangeNotifier {
public:
    TChartBrush() = default;
    explicit TChartBrush(TColor color, TBrushStyle style = bsSolid)
        : color_(color), style_(style) {}

    TColor Color() const { return color_; }
    TBrushStyle Style() const { return style_; }
    void SetColor(TColor v) { Set(color_, v); }
    void SetStyle(TBrushStyle v) { Set(style_, v); }

    void Assign(const TChartBrush& other) {
        color_ = other.color_;
        style_ = other.style_;
        Changed();
    }

private:
    TColor color_ = DefaultPointColor;
    TBrushStyle style_ = bsSolid;
};
