#include "CanvasFixture.h"

// Plot rectangle (50, 25)-(150, 125): projection centre (100, 75).
class Projection : public CanvasFixture {
protected:
    void Paint3D() {
        canvas.BeginDrawing(window, options, true, {0, 0, W, H});
        canvas.SetupProjection(20, {50, 25, 150, 125});
    }
};

TEST_F(Projection, DefaultViewShiftsOnePixelRightAndUpPerDepthPixel) {
    Paint3D();
    EXPECT_EQ(canvas.ProjectPoint(100, 200, 21), (TPoint{121, 179}));
    for (const TPoint p : {TPoint{0, 0}, TPoint{17, 93}, TPoint{-5, 300}})
        EXPECT_EQ(canvas.ProjectPoint(p.x, p.y, 0), p);
    EXPECT_EQ(canvas.ProjectionCenter(), (TPoint{100, 75}));
}

TEST_F(Projection, OrthoAngles) {
    struct Case {
        int angle;
        TPoint expected; // of (100, 200, 21)
    };
    // 90: the cosine is below 0.01, so the slope falls back to 1; 135: depth runs up-left.
    for (const Case c : {Case{90, {121, 179}}, Case{135, {79, 179}}, Case{60, {121, 164}}}) {
        options.SetOrthoAngle(c.angle);
        Paint3D();
        EXPECT_EQ(canvas.ProjectPoint(100, 200, 21), c.expected) << c.angle;
    }
    options.SetOrthoAngle(135);
    Paint3D();
    EXPECT_EQ(canvas.OrthoX(), -1);
    EXPECT_NEAR(canvas.OrthoY(), 1, 1e-12);
}

TEST_F(Projection, ZoomScalesAroundThePlotCentreAndOffsetsShift) {
    options.SetZoom(200);
    Paint3D();
    EXPECT_EQ(canvas.ProjectPoint(100, 75, 0), (TPoint{100, 75}));
    EXPECT_EQ(canvas.ProjectPoint(110, 80, 0), (TPoint{120, 85}));
    EXPECT_EQ(canvas.ProjectPoint(110, 80, 3), (TPoint{126, 79}));

    options.SetZoom(150); // (3 * 1.5) = 4.5 rounds to the even 4
    Paint3D();
    EXPECT_EQ(canvas.ProjectPoint(103, 75, 0), (TPoint{104, 75}));

    options.SetZoom(100);
    options.SetHorizOffset(7);
    options.SetVertOffset(-4);
    Paint3D();
    EXPECT_EQ(canvas.ProjectPoint(10, 10, 0), (TPoint{17, 6}));
}

TEST_F(Projection, TwoDimensionalPaintIgnoresDepthAndZoom) {
    options.SetZoom(200);
    canvas.BeginDrawing(window, options, false, {0, 0, W, H});
    canvas.SetupProjection(20, {50, 25, 150, 125});
    EXPECT_EQ(canvas.ProjectPoint(110, 80, 15), (TPoint{110, 80}));
    EXPECT_EQ(canvas.ZoomFactor(), 1);
}

TEST_F(Projection, FlatDrawingKeepsTheObliqueProjectionAndNests) {
    Paint3D();
    canvas.BeginFlatDrawing();
    canvas.BeginFlatDrawing();
    EXPECT_FALSE(canvas.Is3D());
    EXPECT_EQ(canvas.ProjectPoint(100, 200, 21), (TPoint{121, 179}));
    canvas.EndFlatDrawing();
    EXPECT_FALSE(canvas.Is3D());
    canvas.EndFlatDrawing();
    EXPECT_TRUE(canvas.Is3D());
}

TEST_F(Projection, RectangleForms) {
    Paint3D();
    const TRect r{10, 20, 30, 50};
    EXPECT_EQ(canvas.ProjectRect(r, 5), (TRect{15, 15, 35, 45}));
    const TQuad q = canvas.ProjectRectQuad(r, 5);
    EXPECT_EQ(q[0], (TPoint{15, 15}));
    EXPECT_EQ(q[1], (TPoint{35, 15}));
    EXPECT_EQ(q[2], (TPoint{35, 45}));
    EXPECT_EQ(q[3], (TPoint{15, 45}));
    EXPECT_EQ(canvas.ProjectRectBounds(r, 5), (TRect{15, 15, 36, 46}));
}
