#include "CanvasFixture.h"

// Boxes and planes in the default 3D view: depth goes one pixel right and one up per unit.
class BoxAndPlanes : public CanvasFixture {
protected:
    void SetUp() override { Begin3D(); }
};

TEST_F(BoxAndPlanes, DarkSidedBoxShowsFrontRightSideAndTopInTheirShades) {
    canvas.SetPenStyle(psClear);
    canvas.SetBrushColor(clSilver);
    canvas.DrawBox(40, 80, 60, 100, 0, 10, true);
    EXPECT_EQ(Px(60, 80), 0xC0C0C0u);          // front
    EXPECT_EQ(Px(83, 80), 0x404040u);          // right side, darkened by 128
    EXPECT_EQ(Px(60, 55), 0x808080u);          // top, darkened by 64
    EXPECT_EQ(Px(35, 80), clWhite);            // no left side
    EXPECT_EQ(Px(60, 101), clWhite);           // no bottom
    EXPECT_EQ(canvas.BrushColor(), 0x808080u); // left at the last shade set

    // Without dark sides every face takes the brush colour.
    canvas.SetBrushColor(clSilver);
    canvas.DrawBox(120, 150, 60, 100, 0, 10, false);
    EXPECT_EQ(Px(153, 80), 0xC0C0C0u);
    EXPECT_EQ(Px(135, 55), 0xC0C0C0u);
}

TEST_F(BoxAndPlanes, ClearBrushBoxOutlinesFrontAndAllFourSidesButNotTheBack) {
    canvas.SetPenColor(clRed);
    canvas.SetBrushStyle(bsClear);
    canvas.DrawBox(40, 80, 60, 100, 0, 10, true);
    // Front outline and the far edges of the sides.
    EXPECT_EQ(Px(40, 60), clRed);
    EXPECT_EQ(Px(80, 100), clRed);
    EXPECT_EQ(Px(90, 50), clRed);   // back top-right corner, reached by top and right side
    EXPECT_EQ(Px(50, 50), clRed);   // back top-left, from the top and the left side
    EXPECT_EQ(Px(50, 90), clRed);   // back bottom-left, reached only by the left and bottom sides
    EXPECT_EQ(Px(50, 70), clRed);   // back left edge: left side
    EXPECT_EQ(Px(70, 90), clRed);   // back bottom edge: bottom side
    EXPECT_EQ(Px(60, 80), clWhite); // nothing filled
}

TEST_F(BoxAndPlanes, PlanesAndStripsFollowTheProjection) {
    canvas.SetPenStyle(psClear);
    canvas.SetBrushColor(clBlue);
    canvas.FillPlaneZ({20, 20, 30, 30}, 5); // lands on (25, 15)-(35, 25)
    EXPECT_EQ(Count({0, 0, W, H}, clBlue), 100);
    EXPECT_EQ(Px(25, 15), clBlue);
    EXPECT_EQ(Px(34, 24), clBlue);

    canvas.SetPenStyle(psSolid);
    canvas.SetPenColor(clRed);
    canvas.SetBrushColor(clLime);
    canvas.FillPlaneY(100, 120, 130, 0, 10); // a floor: parallelogram from y 120 up to 110
    EXPECT_EQ(Px(100, 120), clRed);
    EXPECT_EQ(Px(140, 110), clRed);
    EXPECT_EQ(Px(115, 115), clLime);

    canvas.FillDepthStrip({40, 140}, {60, 130}, 0, 5);
    EXPECT_EQ(Px(40, 140), clRed);
    EXPECT_EQ(Px(65, 125), clRed);
    EXPECT_EQ(Px(52, 133), clLime);
}

TEST_F(BoxAndPlanes, LinesAtDepthExcludeTheirProjectedEnd) {
    canvas.HLineAtDepth(10, 20, 50, 4); // (14, 46) .. (23, 46)
    EXPECT_EQ(Px(14, 46), clBlack);
    EXPECT_EQ(Px(23, 46), clBlack);
    EXPECT_EQ(Px(24, 46), clWhite);
    canvas.VLineAtDepth(10, 60, 70, 4);
    EXPECT_EQ(Count({14, 50, 15, 70}, clBlack), 10);
    EXPECT_EQ(Px(14, 66), clWhite);
    canvas.DepthLine(100, 100, 0, 6); // (100, 100) up-right to (106, 94), end excluded
    EXPECT_EQ(Px(100, 100), clBlack);
    EXPECT_EQ(Px(105, 95), clBlack);
    EXPECT_EQ(Px(106, 94), clWhite);
    canvas.SetPixelAtDepth(150, 100, 3, clRed);
    EXPECT_EQ(Px(153, 97), clRed);
    EXPECT_EQ(canvas.GetPixelAtDepth(150, 100, 3), clRed);
}
