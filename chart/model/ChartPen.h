#pragma once

#include "ChangeNotifier.h"
#include "ChartColor.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNotXor, pmXor };
enum TPenEndStyle { esRound, esSquare, esFlat };

// A pen of a chart element. Any change tells the owner, which asks its chart to repaint.
class TChartPen : public TChangeNotifier {
public:
    TChartPen() = default;
    explicit TChartPen(TColor color, TPenStyle style = psSolid, bool visible = true)
        : color_(color), style_(style), visible_(visible) {}
    virtual ~TChartPen() = default;

    TColor Color() const { return color_; }
    int Width() const { return width_; }
    TPenStyle Style() const { return style_; }
    TPenMode Mode() const { return mode_; }
    bool Visible() const { return visible_; }
    bool SmallDots() const { return smallDots_; }
    TPenEndStyle EndStyle() const { return endStyle_; }

    void SetColor(TColor v) { Set(color_, v); }
    void SetWidth(int v) { Set(width_, v); }
    void SetStyle(TPenStyle v) { Set(style_, v); }
    void SetMode(TPenMode v) { Set(mode_, v); }
    void SetVisible(bool v) { Set(visible_, v); }
    void SetSmallDots(bool v) { Set(smallDots_, v); }
    void SetEndStyle(TPenEndStyle v) { Set(endStyle_, v); }

    // Copies every property, then tells the owner once.
    void Assign(const TChartPen& other);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    bool visible_ = true;
    bool smallDots_ = false;
    TPenEndStyle endStyle_ = esRound;
};

class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() : TChartPen(clBlack, psSolid, false) {}
};

class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen() : TChartPen(clGray, psDot) {}
};

class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() : TChartPen(clGray) {}
};

class TWhitePen : public TChartPen {
public:
    TWhitePen() : TChartPen(clWhite) {}
};

inline void TChartPen::Assign(const TChartPen& other) {
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    mode_ = other.mode_;
    visible_ = other.visible_;
    smallDots_ = other.smallDots_;
    endStyle_ = other.endStyle_;
    Changed();
}
