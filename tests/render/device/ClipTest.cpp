#include "CanvasFixture.h"

#include <QPolygon>
#include <QRegion>

#include <vector>

class Clip : public CanvasFixture {
protected:
    // Paints the whole image red through the clip in force.
    void FloodRed() {
        canvas.SetBrushColor(clRed);
        canvas.FillRect({0, 0, W, H});
    }
    TRect RedBounds() const {
        TRect b{W, H, 0, 0};
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (Px(x, y) == clRed) {
                    b.left = std::min(b.left, x);
                    b.top = std::min(b.top, y);
                    b.right = std::max(b.right, x + 1);
                    b.bottom = std::max(b.bottom, y + 1);
                }
        return b;
    }
};

TEST_F(Clip, RectClipKeepsLeftToRightMinusOneAndRemoveClipLiftsIt) {
    Begin2D();
    canvas.ClipToRect({20, 30, 60, 70});
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{20, 30, 60, 70}));
    EXPECT_EQ(Count({0, 0, W, H}, clRed), 40 * 40);
    canvas.RemoveClip();
    EXPECT_FALSE(canvas.HasClip());
    FloodRed();
    EXPECT_EQ(Count({0, 0, W, H}, clRed), W * H);
}

TEST_F(Clip, BoxClipIn2DIsOnePixelInAtTheLeftAndTop) {
    Begin2D();
    canvas.ClipToBox({20, 30, 60, 71}, 0, 10);
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{21, 31, 60, 70}));
    // Thin lines honour the clip as well.
    canvas.RemoveClip();
    canvas.SetBrushColor(clWhite);
    canvas.FillRect({0, 0, W, H});
    canvas.ClipToBox({20, 30, 60, 71}, 0, 10);
    canvas.HorizLine(0, W, 40);
    EXPECT_EQ(Count({0, 40, W, 41}, clBlack), 39);
    EXPECT_EQ(Px(20, 40), clWhite);
    EXPECT_EQ(Px(21, 40), clBlack);
    EXPECT_EQ(Px(59, 40), clBlack);
}

TEST_F(Clip, ClipsNestEachRemoveClipRestoresTheOneOutside) {
    Begin2D();
    canvas.ClipToRect({10, 10, 50, 50});
    canvas.ClipToRect({30, 30, 100, 100});
    canvas.ClipToRect({40, 0, 45, H});
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{40, 30, 45, 50})); // the intersection while all hold
    canvas.RemoveClip();
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{30, 30, 50, 50}));
    canvas.RemoveClip();
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{10, 10, 50, 50})); // the first clip stays in force
    canvas.RemoveClip();
    FloodRed();
    EXPECT_EQ(Count({0, 0, W, H}, clRed), W * H);
    canvas.RemoveClip(); // one too many is harmless
    EXPECT_FALSE(canvas.HasClip());
}

TEST_F(Clip, StateSaverPutsBackPenBrushFontAndTheOuterClip) {
    Begin2D();
    canvas.ClipToRect({10, 10, 50, 50});
    const TChartCanvas::State before = canvas.SaveState();
    TChartFont big;
    big.SetSize(20);
    {
        const TCanvasStateSaver saved(canvas);
        canvas.SetPenColor(clRed);
        canvas.SetPenWidth(3);
        canvas.SetBrushColor(clBlue);
        canvas.SetBrushStyle(bsClear);
        canvas.SelectFont(big);
        canvas.ClipToRect({20, 20, 30, 30});
        canvas.ClipToRect({25, 0, W, H}); // left standing on purpose
    }
    EXPECT_EQ(canvas.PenColor(), before.pen.color);
    EXPECT_EQ(canvas.PenWidth(), 1);
    EXPECT_EQ(canvas.BrushColor(), clWhite);
    EXPECT_EQ(canvas.BrushStyle(), bsSolid);
    EXPECT_EQ(canvas.FontSize(), before.fontSize);
    EXPECT_EQ(canvas.CurrentFont(), nullptr);
    EXPECT_EQ(canvas.ClipDepth(), 1);
    FloodRed();
    EXPECT_EQ(RedBounds(), (TRect{10, 10, 50, 50}));
}

TEST_F(Clip, BoxClipIn3DIsTheOutlineOfTheProjectedBox) {
    Begin3D();
    canvas.ClipToBox({40, 60, 80, 100}, 0, 10); // front 40..80 x 60..100, back shifted (+10, -10)
    FloodRed();
    EXPECT_EQ(Px(60, 80), clRed);   // front face
    EXPECT_EQ(Px(85, 55), clRed);   // between the front and back top-right corners
    EXPECT_EQ(Px(42, 52), clWhite); // above the slanted top-left edge
    EXPECT_EQ(Px(88, 98), clWhite); // below the slanted bottom-right edge
    EXPECT_EQ(Px(95, 70), clWhite); // right of the back face
    // Polygon clips cut thin lines just as they cut fills.
    canvas.RemoveClip();
    canvas.SetBrushColor(clWhite);
    canvas.FillRect({0, 0, W, H});
    canvas.ClipToBox({40, 60, 80, 100}, 0, 10);
    canvas.HorizLine(0, W, 55);
    EXPECT_EQ(Px(44, 55), clWhite);
    EXPECT_EQ(Px(60, 55), clBlack);
    EXPECT_EQ(Px(95, 55), clWhite);
}

TEST_F(Clip, ThinLinesThroughAnOutlineClipKeepExactlyItsPixels) {
    Begin2D();
    // A U: rows of two spans, of one and of none; slanted sides so that spans move row by row.
    const std::vector<TPoint> outline = {{20, 10},  {180, 20}, {170, 140}, {120, 140},
                                         {110, 60}, {80, 60},  {70, 140},  {30, 130}};
    QPolygon poly;
    for (const TPoint& p : outline)
        poly << QPoint(p.x, p.y);
    const QRegion region(poly, Qt::OddEvenFill);
    canvas.ClipToPolygon(outline);
    // Level lines over every row and steep ones across the whole image.
    for (int y = 0; y < H; ++y)
        canvas.HorizLine(0, W, y);
    canvas.SetPenColor(clRed);
    for (int x = -H; x < W; x += 3) {
        canvas.MoveTo(x, 0);
        canvas.LineTo(x + H, H);
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_EQ(Px(x, y) != clWhite, region.contains(QPoint(x, y))) << x << "," << y;
}

// A clip outline whose corners lie millions of pixels away clips the image as the same outline
// ended just past it: not after building a region over millions of rows, nor to nothing.
TEST_F(Clip, AnOutlineWithFarCornersClipsAsOneEndedNearBy) {
    const auto strip = [this](int reach) {
        // Between the diagonals y = x + 20 and y = x - 20.
        Begin2D();
        canvas.ClipToPolygon(std::vector<TPoint>{{-reach, -reach + 20},
                                                 {reach, reach + 20},
                                                 {reach, reach - 20},
                                                 {-reach, -reach - 20}});
        FloodRed();
        canvas.RemoveClip();
        return canvas.Buffer().copy();
    };
    const QImage near = strip(300);
    EXPECT_GT(Count({0, 0, W, H}, clRed), 40 * 100);
    EXPECT_EQ(strip(10000000), near);
    EXPECT_EQ(strip(100000), near);
}
