#include "CanvasFixture.h"

using Buffering = CanvasFixture;

TEST_F(Buffering, PaintGoesToTheBufferAndIsCopiedAtTheRectangleCorner) {
    EXPECT_TRUE(canvas.ImageOutOfDate());
    EXPECT_FALSE(canvas.RepaintFromBuffer(window)); // nothing drawn yet

    const TRect answer = canvas.BeginDrawing(window, options, false, {30, 20, 130, 80});
    EXPECT_EQ(answer, (TRect{0, 0, 100, 60}));
    EXPECT_EQ(canvas.Buffer().size(), QSize(100, 60));
    canvas.SetBrushColor(clBlue);
    canvas.FillRect({0, 0, 100, 60});
    canvas.SetPixel(0, 0, clRed);
    EXPECT_EQ(window.pixel(30, 20), qRgb(255, 255, 255)); // the window is untouched meanwhile
    canvas.EndDrawing(window, {30, 20, 130, 80});
    EXPECT_FALSE(canvas.ImageOutOfDate());
    EXPECT_EQ(window.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(129, 79), qRgb(0, 0, 255));
    EXPECT_EQ(window.pixel(130, 80), qRgb(255, 255, 255));
    EXPECT_EQ(window.pixel(29, 20), qRgb(255, 255, 255));

    // An up-to-date image is copied again at (0, 0) without drawing.
    QImage other(W, H, QImage::Format_RGB32);
    other.fill(Qt::white);
    EXPECT_TRUE(canvas.RepaintFromBuffer(other));
    EXPECT_EQ(other.pixel(0, 0), qRgb(255, 0, 0));
    canvas.InvalidateImage();
    EXPECT_FALSE(canvas.RepaintFromBuffer(other));
}

TEST_F(Buffering, TheBufferIsKeptAndResizedFromPaintToPaint) {
    canvas.BeginDrawing(window, options, false, {0, 0, 120, 90});
    canvas.EndDrawing(window, {0, 0, 120, 90});
    const auto* bitsBefore = canvas.Buffer().constBits();
    canvas.BeginDrawing(window, options, false, {0, 0, 120, 90});
    EXPECT_EQ(canvas.Buffer().constBits(), bitsBefore); // same size: same image
    canvas.EndDrawing(window, {0, 0, 120, 90});
    canvas.BeginDrawing(window, options, false, {0, 0, 150, 100});
    EXPECT_EQ(canvas.Buffer().size(), QSize(150, 100));
    canvas.EndDrawing(window, {0, 0, 150, 100});
}

TEST_F(Buffering, WithoutBufferingDrawingGoesStraightToTheWindow) {
    canvas.BeginDrawing(window, options, false, {0, 0, W, H});
    canvas.EndDrawing(window, {0, 0, W, H});
    canvas.SetBufferedDisplay(false);
    EXPECT_TRUE(canvas.Buffer().isNull());
    EXPECT_TRUE(canvas.ImageOutOfDate());
    const TRect answer = canvas.BeginDrawing(window, options, false, {5, 5, 50, 50});
    EXPECT_EQ(answer, (TRect{5, 5, 50, 50}));
    canvas.SetPixel(7, 8, clRed);
    EXPECT_EQ(window.pixel(7, 8), qRgb(255, 0, 0));
    canvas.EndDrawing(window, {5, 5, 50, 50});
}
