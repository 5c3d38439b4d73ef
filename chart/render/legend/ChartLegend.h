#pragma once

#include "SetIfChanged.h"
#include "frame/ChartShape.h"
#include "legend/LegendGeometry.h"
#include "legend/LegendItemDrawing.h"
#include "legend/LegendTypes.h"

#include <functional>
#include <string>
#include <vector>

// The small picture beside each legend item. Any change has the chart repaint.
class TLegendSymbol {
public:
    explicit TLegendSymbol(TCustomChartBase* chart);
    TLegendSymbol(const TLegendSymbol&) = delete;
    TLegendSymbol& operator=(const TLegendSymbol&) = delete;

    bool Visible() const { return sizing_.visible; }
    void SetVisible(bool v) { Change(sizing_.visible, v); }
    int Width() const { return sizing_.width; }
    void SetWidth(int v) { Change(sizing_.width, v); }
    TLegendSymbolSize WidthUnits() const { return sizing_.units; }
    void SetWidthUnits(TLegendSymbolSize v) { Change(sizing_.units, v); }
    bool Squared() const { return sizing_.squared; }
    void SetSquared(bool v) { Change(sizing_.squared, v); }
    TLegendSymbolPosition Position() const { return position_; }
    void SetPosition(TLegendSymbolPosition v) { Change(position_, v); }
    // Symbols of neighbouring items touch.
    bool Continuous() const { return continuous_; }
    void SetContinuous(bool v) { Change(continuous_, v); }
    // Draw with each series' own pen, else with Pen().
    bool DefaultPen() const { return defaultPen_; }
    void SetDefaultPen(bool v) { Change(defaultPen_, v); }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }

    const TLegendSymbolSizing& Sizing() const { return sizing_; }

    // Called after each symbol is drawn, with the item's series (null for a point) and its
    // rectangle.
    std::function<void(const TChartSeries* series, const TRect& r)> OnDraw;

private:
    template <class T> void Change(T& field, const T& value) {
        SetIfChanged(field, value, [this] { Changed(); });
    }
    void Changed() const;

    TCustomChartBase* chart_;
    TLegendSymbolSizing sizing_;
    TChartPen pen_;
    TLegendSymbolPosition position_ = spLeft;
    bool continuous_ = false;
    bool defaultPen_ = true;
};

// Lines of text above the legend's items: transparent, bold, with a silver 2-pixel shadow; drawn
// only when it has text.
class TLegendTitle : public TChartCustomShape {
public:
    explicit TLegendTitle(TCustomChartBase* chart);

    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines) { Change(text_, lines); }

private:
    std::vector<std::string> text_;
};

// What the legend worked out in its last paint: what LegendItemAt uses between paints.
struct TLegendPaintState {
    TLegendStyle effectiveStyle = lsSeries;
    int totalItems = 0;
    TLegendLayout layout;
    TLegendItemsInput items;
};

// The chart's legend: a framed box on one side of the chart that lists the series (or the points
// of one series), each with a symbol drawn like its series. The chart owns it, lays it out with
// LayoutLegend and paints it with PaintLegend. Setters have the chart repaint on a change.
class TCustomChartLegend : public TChartCustomShapePosition {
public:
    explicit TCustomChartLegend(TCustomChartBase* chart);

    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment v) { Change(alignment_, v); }
    // The legend stands at the left or the right of the chart (else at the top or bottom).
    bool SideAligned() const { return alignment_ == laLeft || alignment_ == laRight; }

    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle v);
    // The style the legend lists by, lsAuto resolved against the chart's active series.
    TLegendStyle EffectiveStyle() const { return state_.effectiveStyle; }
    void ResolveLegendStyle();
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle v) { Change(textStyle_, v); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool v) { Change(inverted_, v); }

    TLegendSymbol& Symbol() { return symbol_; }
    const TLegendSymbol& Symbol() const { return symbol_; }
    int ColorWidth() const { return symbol_.Width(); }
    void SetColorWidth(int v) { symbol_.SetWidth(v); }

    // The box's outline (the shape's pen).
    TChartPen& Frame() { return Pen(); }
    const TChartPen& Frame() const { return Pen(); }
    // The legend throws no shadow until its shadow is first asked for, then a black one of 3
    // pixels each way.
    TChartShadow& Shadow();
    const TChartShadow& Shadow() const { return TChartCustomShape::Shadow(); }

    int TopPos() const { return topPos_; }
    void SetTopPos(int v) { Change(topPos_, v); }
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int v) { Change(horizMargin_, v); }
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int v) { Change(vertMargin_, v); }
    int VertSpacing() const { return vertSpacing_; }
    void SetVertSpacing(int v) { Change(vertSpacing_, v); }
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int v) { Change(maxNumRows_, v); }
    // Leading items skipped; never negative.
    int FirstValue() const { return firstValue_; }
    void SetFirstValue(int v);
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool v) { Change(resizeChart_, v); }
    bool CheckBoxes() const { return checkBoxes_; }
    void SetCheckBoxes(bool v) { Change(checkBoxes_, v); }
    TCheckBoxesStyle CheckBoxesStyle() const { return checkBoxesStyle_; }
    // Radio boxes leave only the first listed active series active.
    void SetCheckBoxesStyle(TCheckBoxesStyle v);
    bool CurrentPage() const { return currentPage_; }
    void SetCurrentPage(bool v) { Change(currentPage_, v); }
    TChartPen& DividingLines() { return dividingLines_; }
    const TChartPen& DividingLines() const { return dividingLines_; }
    bool FontSeriesColor() const { return fontSeriesColor_; }
    void SetFontSeriesColor(bool v) { Change(fontSeriesColor_, v); }
    TLegendTitle& Title() { return title_; }
    const TLegendTitle& Title() const { return title_; }

    // Shown and with something to list: check boxes on a series legend, or an active series.
    bool ShouldDraw() const;

    // The item under (x, y) in the last paint, or -1.
    int LegendItemAt(int x, int y) const;

    // Written by the layout of each paint.
    TLegendPaintState& PaintState() { return state_; }
    const TLegendPaintState& PaintState() const { return state_; }

private:
    int ActiveSeriesCount() const;

    TLegendSymbol symbol_;
    TLegendTitle title_;
    TChartHiddenPen dividingLines_;
    TLegendPaintState state_;
    TLegendAlignment alignment_ = laRight;
    TLegendStyle legendStyle_ = lsAuto;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    TCheckBoxesStyle checkBoxesStyle_ = cbsCheck;
    int topPos_ = 10;
    int horizMargin_ = 0;
    int vertMargin_ = 0;
    int vertSpacing_ = 0;
    int maxNumRows_ = 10;
    int firstValue_ = 0;
    bool inverted_ = false;
    bool resizeChart_ = true;
    bool checkBoxes_ = false;
    bool currentPage_ = true;
    bool fontSeriesColor_ = false;
    bool shadowMade_ = false;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};
