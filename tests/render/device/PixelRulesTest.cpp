#include "CanvasFixture.h"

#include <array>

// The device-context rules the chart layouts depend on, probed pixel by pixel.
class PixelRules : public CanvasFixture {
protected:
    void SetUp() override { Begin2D(); }
};

TEST_F(PixelRules, LinesSetTheirStartAndStopBeforeTheirEnd) {
    struct Case {
        TPoint from, to;
    };
    const Case cases[] = {
        {{10, 10}, {15, 10}}, {{15, 20}, {10, 20}}, {{30, 10}, {30, 16}},
        {{40, 16}, {40, 10}}, {{50, 10}, {60, 15}}, {{70, 10}, {64, 22}},
    };
    for (const Case& c : cases) {
        canvas.Line(c.from.x, c.from.y, c.to.x, c.to.y);
        EXPECT_EQ(Px(c.from.x, c.from.y), clBlack) << c.from.x << "," << c.from.y;
        EXPECT_EQ(Px(c.to.x, c.to.y), clWhite) << c.to.x << "," << c.to.y;
    }
    // A horizontal line from x 1 to x 5 covers exactly 4 pixels.
    canvas.HorizLine(1, 5, 40);
    EXPECT_EQ(Count({0, 40, W, 41}, clBlack), 4);
    EXPECT_EQ(Px(0, 40), clWhite);
    // A diagonal covers one pixel per step of its longer side.
    canvas.Line(100, 100, 120, 110);
    EXPECT_EQ(Count({95, 95, 125, 115}, clBlack), 20);
}

TEST_F(PixelRules, PolylineSetsEachJointOnceAndNotItsLastPoint) {
    canvas.SetPenMode(pmXor); // a pixel set twice would disappear
    canvas.SetPenColor(clWhite);
    const std::array<TPoint, 4> pts{TPoint{10, 10}, TPoint{20, 10}, TPoint{20, 20}, TPoint{30, 20}};
    canvas.Polyline(pts);
    EXPECT_EQ(Px(10, 10), clBlack);
    EXPECT_EQ(Px(20, 10), clBlack);
    EXPECT_EQ(Px(20, 20), clBlack);
    EXPECT_EQ(Px(29, 20), clBlack);
    EXPECT_EQ(Px(30, 20), clWhite);
    EXPECT_EQ(Count({0, 0, W, H}, clBlack), 30);
}

TEST_F(PixelRules, RectanglesCoverLeftToRightMinusOne) {
    canvas.SetPenColor(clRed);
    canvas.SetBrushColor(clBlue);
    canvas.Rectangle(10, 20, 30, 35);
    EXPECT_EQ(Px(10, 20), clRed);
    EXPECT_EQ(Px(29, 20), clRed);
    EXPECT_EQ(Px(29, 34), clRed);
    EXPECT_EQ(Px(10, 34), clRed);
    EXPECT_EQ(Px(30, 20), clWhite);
    EXPECT_EQ(Px(10, 35), clWhite);
    EXPECT_EQ(Px(11, 21), clBlue);
    EXPECT_EQ(Count({0, 0, W, H}, clRed) + Count({0, 0, W, H}, clBlue), 20 * 15);

    canvas.FillRect({50, 50, 53, 52});
    EXPECT_EQ(Count({45, 45, 60, 60}, clBlue), 6);

    canvas.SetPenStyle(psClear); // without a pen the brush covers the same area
    canvas.Rectangle(70, 70, 75, 73);
    EXPECT_EQ(Count({65, 65, 80, 80}, clBlue), 15);

    canvas.Rectangle(90, 90, 90, 100); // empty: nothing
    EXPECT_EQ(Count({85, 85, 100, 105}, clBlue), 0);
}

TEST_F(PixelRules, PolygonIsFilledAndOutlinedThroughItsCorners) {
    canvas.SetPenColor(clRed);
    canvas.SetBrushColor(clBlue);
    const std::array<TPoint, 4> square{TPoint{10, 10}, TPoint{20, 10}, TPoint{20, 20},
                                       TPoint{10, 20}};
    canvas.Polygon(square);
    // The outline passes through every corner, so the polygon covers 11 x 11 pixels.
    for (const TPoint p : square)
        EXPECT_EQ(Px(p.x, p.y), clRed);
    EXPECT_EQ(Count({10, 10, 21, 21}, clRed), 40);
    EXPECT_EQ(Count({10, 10, 21, 21}, clBlue), 81);
    EXPECT_EQ(Count({0, 0, W, H}, clWhite), W * H - 121);

    canvas.SetPenStyle(psClear); // without a pen only the inside is filled: 10 x 10
    const std::array<TPoint, 4> other{TPoint{50, 10}, TPoint{60, 10}, TPoint{60, 20},
                                      TPoint{50, 20}};
    canvas.Polygon(other);
    EXPECT_EQ(Count({45, 5, 65, 25}, clBlue), 100);
    EXPECT_EQ(Px(50, 10), clBlue);
    EXPECT_EQ(Px(60, 20), clWhite);
}

TEST_F(PixelRules, WidePenEndsFollowTheEndStyle) {
    TChartPen pen(clRed);
    pen.SetWidth(2);
    pen.SetEndStyle(esFlat);
    canvas.SelectPen(pen);
    canvas.Line(20, 30, 40, 30);
    // Flat ends: exactly from x 20 to x 39, two rows centred on the line.
    EXPECT_EQ(Count({0, 0, W, H}, clRed), 40);
    EXPECT_EQ(Px(20, 30), clRed);
    EXPECT_EQ(Px(39, 29), clRed);
    EXPECT_EQ(Px(19, 30), clWhite);
    EXPECT_EQ(Px(40, 30), clWhite);

    pen.SetEndStyle(esRound); // the default: round caps reach past both ends
    pen.SetWidth(6);
    canvas.SelectPen(pen);
    canvas.Line(20, 80, 40, 80);
    EXPECT_EQ(Px(18, 80), clRed);
    EXPECT_EQ(Px(41, 80), clRed);
    EXPECT_EQ(Px(17, 77), clWhite); // rounded, not square, corners
}

TEST_F(PixelRules, DottedAndSmallDotPens) {
    canvas.SelectPen(TDottedGrayPen());
    canvas.HorizLine(10, 22, 10);
    // Three on, three off, starting on.
    const TColor g = clGray, w = clWhite;
    const TColor expected[] = {g, g, g, w, w, w, g, g, g, w, w, w};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Px(10 + i, 10), expected[i]) << i;

    TChartPen small(clBlack);
    small.SetSmallDots(true);
    canvas.SelectPen(small);
    canvas.HorizLine(10, 20, 20);
    EXPECT_EQ(Count({0, 20, W, 21}, clBlack), 5);
    EXPECT_EQ(Px(10, 20), clBlack);
    EXPECT_EQ(Px(11, 20), clWhite);

    // Gaps take the back colour in opaque mode.
    canvas.SetBackMode(cbmOpaque);
    canvas.SetBackColor(clRed);
    canvas.HorizLine(10, 20, 30);
    EXPECT_EQ(Px(11, 30), clRed);
}

TEST_F(PixelRules, InvertingModeDrawnTwiceRestoresThePicture) {
    canvas.SetBrushColor(clYellow);
    canvas.FillRect({20, 20, 60, 60});
    const QImage before = canvas.Buffer().copy();
    canvas.SetPenMode(pmNotXor);
    canvas.SetPenColor(clWhite);
    canvas.SetBrushStyle(bsClear);
    canvas.Rectangle(10, 10, 50, 50);
    EXPECT_EQ(Px(10, 10), clWhite);  // NOT(white XOR white) = white over the background
    EXPECT_EQ(Px(49, 30), clYellow); // and leaves other colours as they were
    canvas.SetPenColor(clBlack);
    canvas.Rectangle(10, 10, 50, 50);
    canvas.Rectangle(10, 10, 50, 50);
    EXPECT_EQ(canvas.Buffer(), before);
}

TEST_F(PixelRules, BevelFrameDrawsRingsAndInsetsTheRectangle) {
    TRect r{10, 10, 30, 25};
    canvas.BevelFrame(r, clWhite, 2, clGray);
    EXPECT_EQ(r, (TRect{12, 12, 28, 23}));
    canvas.ResetCanvas();
    canvas.BevelFrame(r = {10, 10, 30, 25}, clRed, 2, clBlue);
    EXPECT_EQ(Px(10, 10), clRed);
    EXPECT_EQ(Px(28, 10), clRed);
    EXPECT_EQ(Px(29, 10), clBlue);
    EXPECT_EQ(Px(10, 24), clBlue);
    EXPECT_EQ(Px(29, 24), clBlue);
    EXPECT_EQ(Px(11, 11), clRed);
    EXPECT_EQ(Px(28, 23), clBlue);
    EXPECT_EQ(Px(12, 12), clWhite);
    EXPECT_EQ(Px(30, 10), clWhite);
    EXPECT_EQ(Px(10, 25), clWhite);
}

// A wide dashed line to a point millions of pixels away keeps its dashes: the pixels on the
// image are those of the same line ended just past the image, in every end style.
TEST_F(PixelRules, WideDashedLinesToFarPointsKeepTheirDashes) {
    const auto draw = [this](int reach, TPenEndStyle ends) {
        Begin2D();
        canvas.SetPenWidth(3);
        canvas.SetPenStyle(psDash);
        canvas.SetPenEndStyle(ends);
        canvas.Line(10, 10, 10 + reach, 10 + 4 * reach);
        canvas.Line(30, 140, 30 + 3 * reach, 140 - reach);
        return canvas.Buffer().copy();
    };
    for (TPenEndStyle ends : {esRound, esSquare, esFlat}) {
        const QImage near = draw(250, ends);
        EXPECT_EQ(draw(2500000, ends), near) << int(ends);
        // Dashed, not stroked solid: pixels on the line's axis both set and left.
        int set = 0;
        for (int t = 0; t < 35; ++t)
            set += Px(10 + t, 10 + 4 * t) == clBlack;
        EXPECT_GT(set, 10);
        EXPECT_LT(set, 30);
    }
}

// The same for a polyline and a polygon outline through far points: pieces too long for the
// painter's dashes keep their pattern, running on from piece to piece.
TEST_F(PixelRules, WideDashedOutlinesThroughFarPointsKeepTheirDashes) {
    const auto draw = [this](int reach, bool closed) {
        Begin2D();
        canvas.SetPenWidth(2);
        canvas.SetPenStyle(psDashDot);
        canvas.SetBrushStyle(bsClear);
        const std::vector<TPoint> points{
            {20, 20}, {60, 20}, {60 + reach, 20 + 2 * reach}, {20 + reach, 20 + 2 * reach}};
        if (closed)
            canvas.Polygon(points);
        else
            canvas.Polyline(std::span(points).first(3));
        return canvas.Buffer().copy();
    };
    // Pixels on the axis of a long piece: some set, some left.
    const auto dashedAlong = [this](int x0) {
        int set = 0;
        for (int t = 0; t < 60; ++t)
            set += Px(x0 + t, 22 + 2 * t) == clBlack;
        return set > 10 && set < 50;
    };
    const QImage near = draw(20000, false);
    EXPECT_EQ(draw(20000000, false), near);
    EXPECT_TRUE(dashedAlong(61));
    // The closing piece comes back from the far point: its phase there is its own.
    draw(20000000, true);
    EXPECT_TRUE(dashedAlong(61));
    EXPECT_TRUE(dashedAlong(21));
}
