#include "CanvasFixture.h"
#include "device/GradientDrawing.h"

#include <set>

class Gradient : public CanvasFixture {
protected:
    // A 40 x 320 paint, tall enough for the 256-band case.
    void SetUp() override {
        canvas.BeginDrawing(window, options, false, {0, 0, 40, 320});
        canvas.SetBrushColor(clWhite);
        canvas.FillRect({0, 0, 40, 320});
    }
    TGradientDirection TB = gdTopBottom;
};

TEST_F(Gradient, BandsOnOneOrTwoRows) {
    canvas.GradientBands({0, 10, 40, 11}, clRed, clBlue, TB, 50);
    EXPECT_EQ(Count({0, 0, 40, 320}, clWhite), 40 * 320); // one row: nothing

    canvas.GradientBands({0, 10, 40, 12}, clRed, clBlue, TB, 50);
    EXPECT_EQ(Px(0, 11), clRed); // the first colour at the bottom edge
    EXPECT_EQ(Px(39, 10), clBlue);
    EXPECT_EQ(Px(0, 12), clWhite);
    EXPECT_EQ(Px(0, 9), clWhite);
}

TEST_F(Gradient, ThreeHundredRowsMake256Bands) {
    const TColor c1 = RGBColor(0, 0, 0), c2 = RGBColor(255, 100, 10);
    canvas.GradientBands({5, 10, 35, 310}, c1, c2, TB, 50);
    const int bottom = 310;
    for (int k : {0, 1, 2, 100, 127, 254, 255}) {
        const TColor expected = RGBColor(255 * k / 255, 100 * k / 255, 10 * k / 255);
        const int lowest = bottom - k * 300 / 256 - 1;    // bottom row of band k
        const int highest = bottom - (k + 1) * 300 / 256; // top row of band k
        EXPECT_EQ(Px(5, lowest), expected) << k;
        EXPECT_EQ(Px(34, highest), expected) << k;
    }
    EXPECT_EQ(Px(5, 10), c2);
    EXPECT_EQ(Px(4, 100), clWhite);
    EXPECT_EQ(Px(35, 100), clWhite);
}

TEST_F(Gradient, WhiteToBlueTopBottomOnAHundredRows) {
    TChartGradient g;
    g.SetStartColor(clWhite);
    g.SetEndColor(clBlue);
    DrawGradient(g, canvas, {0, 100, 30, 200});
    EXPECT_EQ(Px(0, 199), clWhite);
    EXPECT_EQ(Px(29, 100), clBlue);
    std::set<TColor> rows;
    for (int y = 100; y < 200; ++y) {
        rows.insert(Px(0, y));
        EXPECT_EQ(Px(0, y), Px(29, y)) << y; // each band spans the full width
    }
    EXPECT_EQ(rows.size(), 100u);
}

TEST_F(Gradient, MiddleColourSplitsAtTheCentre) {
    TChartGradient g;
    g.SetStartColor(clRed);
    g.SetMidColor(clLime);
    g.SetEndColor(clBlue);
    DrawGradient(g, canvas, {0, 100, 30, 200}); // centre row 150
    EXPECT_EQ(Px(10, 199), clRed);
    EXPECT_EQ(Px(10, 149), clLime);
    EXPECT_EQ(Px(10, 150), clLime);
    EXPECT_EQ(Px(10, 100), clBlue);

    g.SetDirection(gdBottomTop);
    DrawGradient(g, canvas, {0, 100, 30, 200});
    EXPECT_EQ(Px(10, 100), clRed);
    EXPECT_EQ(Px(10, 150), clLime);
    EXPECT_EQ(Px(10, 199), clBlue);

    g.SetDirection(gdLeftRight);
    DrawGradient(g, canvas, {0, 0, 40, 10}); // centre column 20
    EXPECT_EQ(Px(39, 5), clRed);
    EXPECT_EQ(Px(20, 5), clLime);
    EXPECT_EQ(Px(0, 5), clBlue);
}

TEST_F(Gradient, HorizontalDirectionsAndBalance) {
    canvas.GradientBands({0, 0, 40, 5}, clRed, clBlue, gdLeftRight, 50);
    EXPECT_EQ(Px(39, 0), clRed);
    EXPECT_EQ(Px(0, 4), clBlue);
    canvas.GradientBands({0, 5, 40, 10}, clRed, clBlue, gdRightLeft, 50);
    EXPECT_EQ(Px(0, 5), clRed);
    EXPECT_EQ(Px(39, 9), clBlue);

    // Another balance bends the ramp but still ends on the second colour.
    canvas.GradientBands({0, 20, 40, 120}, clBlack, clWhite, TB, 80);
    EXPECT_EQ(Px(0, 20), clWhite);
    const int low = RedOf(Px(0, 69)); // the middle band is darker than a linear ramp's
    EXPECT_LT(low, 120);
}

TEST_F(Gradient, InAQuadOnlyTheQuadIsFilled) {
    TChartGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clRed);
    const TQuad q{TPoint{10, 10}, TPoint{30, 10}, TPoint{30, 50}, TPoint{10, 30}};
    DrawGradientInQuad(g, canvas, q);
    EXPECT_EQ(Px(20, 20), clRed);
    EXPECT_EQ(Px(12, 45), clWhite); // below the slanted edge, inside the bounds
    EXPECT_FALSE(canvas.HasClip());
}

// Bands of a gradient twenty million pixels across: the band edges are computed without
// overflow, and only the rows and columns on the image are filled.
TEST_F(Gradient, BandsOfAFarLargerRectangleLandWhereTheyBelong) {
    const int far = 10000000; // 2 far / 256 = 78125 pixels a band
    // Band 127 runs from 160 up to 160 + 78125, band 128 ends at row 160.
    canvas.GradientBands({0, 160 - far, 40, 160 + far}, clRed, clBlue, TB, 50);
    EXPECT_EQ(Px(0, 160), RGBColor(128, 0, 127));
    EXPECT_EQ(Px(39, 319), RGBColor(128, 0, 127));
    EXPECT_EQ(Px(0, 159), RGBColor(127, 0, 128));
    EXPECT_EQ(Px(39, 0), RGBColor(127, 0, 128));

    canvas.GradientBands({20 - far, 0, 20 + far, 320}, clRed, clBlue, gdLeftRight, 50);
    EXPECT_EQ(Px(20, 5), RGBColor(128, 0, 127));
    EXPECT_EQ(Px(19, 300), RGBColor(127, 0, 128));
}

// Every direction over a rectangle mostly off the image gives the image the pixels it gets
// when the image holds the whole rectangle.
TEST_F(Gradient, APartlyVisibleRectangleShowsItsPartUnchanged) {
    const TRect r{-300, -200, 400, 300};
    const auto paint = [&](TGradientDirection d, int width, int height, int shift) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        TChartCanvas c;
        c.SetTarget(&image);
        c.GradientBands({r.left + shift, r.top + shift, r.right + shift, r.bottom + shift},
                        clYellow, clNavy, d, d == gdLeftRight ? 70 : 50);
        c.SetTarget(nullptr);
        return image;
    };
    for (TGradientDirection d : {gdTopBottom, gdLeftRight, gdFromCenter, gdFromTopLeft,
                                 gdFromBottomLeft, gdDiagonalUp, gdDiagonalDown}) {
        const QImage part = paint(d, 60, 40, 0);
        const QImage whole = paint(d, 1000, 1000, 300);
        EXPECT_EQ(part, whole.copy(300, 300, 60, 40)) << int(d);
    }
}
