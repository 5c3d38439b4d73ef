#include "CanvasFixture.h"
#include "device/ShadowDrawing.h"

class Shadow : public CanvasFixture {
protected:
    void SetUp() override { Begin3D(); }
    const TRect r{20, 20, 60, 50};
};

TEST_F(Shadow, SmoothBlackShadowFadesInThreeSteps) {
    TChartShadow s(clBlack, 3);
    canvas.BeginFlatDrawing();
    DrawShadow(s, canvas, r, 0);
    canvas.EndFlatDrawing();
    const TColor shades[] = {0x000000, 0x555555, 0xAAAAAA};
    for (int i = 0; i < 3; ++i) {
        // Below: starts 3 pixels right, each line one pixel longer toward the corner.
        EXPECT_EQ(Px(23, 50 + i), shades[i]) << i;
        EXPECT_EQ(Px(59 + i, 50 + i), shades[i]) << i;
        EXPECT_EQ(Px(60 + i, 50 + i), i < 2 ? shades[i + 1] : clWhite) << i; // the corner
        EXPECT_EQ(Px(22, 50 + i), clWhite) << i;
        // Right: starts 3 pixels down.
        EXPECT_EQ(Px(60 + i, 23), shades[i]) << i;
        EXPECT_EQ(Px(60 + i, 48 + i), shades[i]) << i;
        EXPECT_EQ(Px(60 + i, 22), clWhite) << i;
    }
    EXPECT_EQ(Count({0, 53, W, H}, clWhite), W * (H - 53)); // nothing further down
}

TEST_F(Shadow, AtDepthTheShadowIsProjected) {
    TChartShadow s(clBlack, 3);
    DrawShadow(s, canvas, r, 5);
    EXPECT_EQ(Px(23 + 5, 50 - 5), clBlack);
    EXPECT_EQ(Px(23, 50), clWhite);
}

TEST_F(Shadow, HardShadowIsTwoBandsWithoutOutline) {
    TChartShadow s(clGray, 4);
    s.SetSmooth(false);
    canvas.BeginFlatDrawing();
    DrawShadow(s, canvas, r, 0);
    canvas.EndFlatDrawing();
    EXPECT_EQ(Count({0, 0, W, H}, clGray), 40 * 4 + 4 * 30 - 4 * 4); // the bands overlap
    EXPECT_EQ(Px(24, 50), clGray);
    EXPECT_EQ(Px(63, 53), clGray);
    EXPECT_EQ(Px(60, 23), clWhite);
}

TEST_F(Shadow, NoColourOrNoSizeDrawsNothing) {
    TChartShadow none(clNone, 3), flat(clBlack, 0);
    DrawShadow(none, canvas, r, 0);
    DrawShadow(flat, canvas, r, 0);
    EXPECT_EQ(Count({0, 0, W, H}, clWhite), W * H);
}

TEST_F(Shadow, TransparencyBlendsWithWhatWasThere) {
    TChartShadow s(clBlack, 4);
    s.SetSmooth(false);
    s.SetTransparency(50);
    canvas.BeginFlatDrawing();
    DrawShadow(s, canvas, r, 0);
    canvas.EndFlatDrawing();
    EXPECT_EQ(Px(30, 51), 0x7F7F7Fu);
}
