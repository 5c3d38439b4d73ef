#pragma once

#include "frame/ChartShape.h"

#include <string>
#include <vector>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A title of the chart: lines of text above the plotting rectangle (Title, SubTitle) or below
// it (Foot, SubFoot). A title is transparent by default: it writes its lines and draws no box.
// A title without lines, or an invisible one, takes no room and draws nothing.
class TChartTitle : public TChartCustomShapePosition {
public:
    explicit TChartTitle(TCustomChartBase* chart, bool foot = false);

    // A foot title stands below the plotting rectangle.
    bool IsFoot() const { return foot_; }

    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines) { Change(text_, lines); }
    // One line of text (an empty string: no lines).
    void SetCaption(const std::string& line);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { Change(alignment_, v); }
    // The box hugs the text instead of spanning the plotting rectangle.
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool v) { Change(adjustFrame_, v); }

    // The outline of the box (the shape's pen).
    TChartPen& Frame() { return Pen(); }
    const TChartPen& Frame() const { return Pen(); }

private:
    std::vector<std::string> text_;
    TAlignment alignment_ = TAlignment::taCenter;
    bool adjustFrame_ = true;
    bool foot_;
};

// A title below the plotting rectangle: red italic text by default.
class TChartFootTitle : public TChartTitle {
public:
    explicit TChartFootTitle(TCustomChartBase* chart) : TChartTitle(chart, true) {}
};
