#include "CanvasFixture.h"
#include "device/GradientDrawing.h"
#include "device/ShadowDrawing.h"

#include <QImage>

#include <cstdlib>

// One picture with every kind of drawing a chart does. Set TAVULIN_CANVAS_PNG to a file name to
// keep it for a look.
class CanvasPicture : public ::testing::Test {
protected:
    QImage window{320, 220, QImage::Format_RGB32};
    TView3DOptions options;
    TChartCanvas3D canvas;
};

TEST_F(CanvasPicture, DrawsAChartLikeScene) {
    window.fill(Qt::white);
    canvas.BeginDrawing(window, options, true, {0, 0, 320, 220});
    canvas.SetupProjection(30, {40, 40, 280, 180});
    canvas.SetBrushColor(clBtnFace);
    canvas.FillRect({0, 0, 320, 220});

    // Walls: back and floor planes.
    canvas.SelectPen(TChartPen(clBlack));
    canvas.SetBrushColor(clWhite);
    canvas.FillPlaneZ({40, 40, 280, 180}, 30);
    canvas.SetBrushColor(clSilver);
    canvas.FillPlaneY(40, 180, 280, 0, 30);

    // A dark-sided box and a gradient bar in front of it.
    canvas.SetBrushColor(clSilver);
    canvas.DrawBox(60, 100, 90, 180, 5, 25, true);
    TChartGradient g;
    g.SetStartColor(clWhite);
    g.SetMidColor(clYellow);
    g.SetEndColor(clBlue);
    canvas.SetBrushColor(clBlue);
    canvas.DrawBox(130, 160, 60, 180, 5, 25, true);
    DrawGradient(g, canvas, canvas.ProjectRect({130, 60, 160, 180}, 5));

    // A line series ribbon.
    canvas.SetBrushColor(clRed);
    const TPoint pts[] = {{180, 150}, {200, 110}, {220, 130}, {250, 80}, {270, 100}};
    for (int i = 0; i + 1 < 5; ++i)
        canvas.FillDepthStrip(pts[i], pts[i + 1], 10, 20);

    // A framed title with a shadow, and rotated axis text.
    canvas.BeginFlatDrawing();
    DrawShadow(TChartShadow(clBlack, 3), canvas, {100, 8, 220, 30}, 0);
    canvas.SetBrushColor(clWhite);
    canvas.SelectPen(TChartPen(clBlack));
    canvas.Rectangle(100, 8, 220, 30);
    TChartFont font;
    canvas.SelectFont(font);
    canvas.SetTextAlign(taCenter | taTop);
    canvas.TextOut(160, 13, "Vreme reakcije");
    canvas.EndFlatDrawing();
    canvas.SetTextAlign(taCenter | taBottom);
    canvas.RotatedTextAtDepth(30, 110, 0, "ms", 90);
    canvas.EndDrawing(window, {0, 0, 320, 220});

    EXPECT_EQ(window.pixelColor(80, 140), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(window.pixelColor(220, 30), QColor(0x55, 0x55, 0x55)); // shadow corner
    if (const char* path = std::getenv("TAVULIN_CANVAS_PNG")) {
        EXPECT_TRUE(window.save(path));
    }
}
