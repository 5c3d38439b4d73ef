// The canvas recorded as shapes on an SVG painter: rasterized again it looks as the canvas's own
// pixels, and the clip is applied to the shapes themselves, since the SVG holds no clip.

#include "device/PainterDevice.h"
#include "device/ChartCanvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <functional>

namespace {

constexpr int W = 100;
constexpr int H = 80;

using Drawing = std::function<void(TChartCanvas&)>;

QImage OnRaster(const Drawing& draw) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    TChartCanvas canvas;
    canvas.SetTarget(&image);
    draw(canvas);
    canvas.SetTarget(nullptr);
    return image;
}

QByteArray AsSvg(const Drawing& draw) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize({W, H});
    generator.setViewBox(QRect(0, 0, W, H));
    generator.setResolution(96);
    QPainter painter(&generator);
    TPainterDevice device(painter);
    TChartCanvas canvas;
    canvas.SetDevice(&device);
    EXPECT_TRUE(canvas.Metafiling());
    draw(canvas);
    return svg;
}

QImage Rasterized(const QByteArray& svg) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter, QRectF(0, 0, W, H));
    return image;
}

// Pixels further apart than an antialiased edge allows.
int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
                 std::abs(qBlue(p) - qBlue(q)) > 64;
        }
    return n;
}

void RedFill(TChartCanvas& c) {
    c.SetPenStyle(psClear);
    c.SetBrushColor(clRed);
}

void BluePen(TChartCanvas& c, int width, TPenStyle style = psSolid) {
    c.SetPenStyle(style);
    c.SetPenWidth(width);
    c.SetPenColor(clBlue);
}

const std::vector<TPoint> Diamond{{50, 5}, {95, 40}, {50, 75}, {5, 40}};

struct Case {
    const char* name;
    Drawing draw;
    int allowedDiffering; // the pixels an antialiased slanted edge may cost
};

TEST(PainterDevice, ShapesUnderClipsLookAsOnTheRaster) {
    const Case cases[] = {
        {"a fill under a small rectangular clip",
         [](TChartCanvas& c) {
             RedFill(c);
             c.ClipToRect({10, 10, 40, 40});
             c.FillRect({0, 0, W, H});
         },
         0},
        {"nested clips and their removal",
         [](TChartCanvas& c) {
             RedFill(c);
             c.ClipToRect({10, 10, 60, 60});
             c.ClipToRect({30, 30, 90, 70});
             c.FillRect({0, 0, W, H});
             c.RemoveClip();
             c.SetBrushColor(clGreen);
             c.FillRect({0, 0, 20, 20});
             c.RemoveClip();
             c.SetBrushColor(clBlue);
             c.FillRect({90, 0, W, 10});
         },
         0},
        {"a rectangle with its outline cut by the clip",
         [](TChartCanvas& c) {
             c.SetBrushColor(clYellow);
             BluePen(c, 1);
             c.ClipToRect({0, 0, 60, 50});
             c.Rectangle({20, 20, 90, 70});
         },
         0},
        {"thin and wide lines crossing the clip",
         [](TChartCanvas& c) {
             c.ClipToRect({20, 10, 80, 70});
             BluePen(c, 1);
             c.Line(0, 15, W, 15);
             c.Line(30, 0, 30, H);
             BluePen(c, 1, psDash);
             c.Line(0, 25, W, 25);
             BluePen(c, 4);
             c.Line(0, 50, W, 50);
         },
         30},
        {"a polygon under a diamond-shaped clip",
         [](TChartCanvas& c) {
             RedFill(c);
             c.ClipToPolygon(Diamond);
             const std::vector<TPoint> square{{20, 20}, {100, 20}, {100, 80}, {20, 80}};
             c.Polygon(square);
         },
         80},
        {"gradient bands under a clip",
         [](TChartCanvas& c) {
             c.ClipToRect({10, 10, 50, 70});
             c.GradientBands({0, 0, W, H}, clRed, clBlue, gdTopBottom, 50);
         },
         0},
        {"text outside the clip is left out",
         [](TChartCanvas& c) {
             c.ClipToRect({0, 0, 40, 40});
             c.TextOut(50, 50, "Tekst");
         },
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage raster = OnRaster(c.draw);
        const QByteArray svg = AsSvg(c.draw);
        EXPECT_FALSE(svg.contains("<image"));
        EXPECT_LE(Differing(Rasterized(svg), raster), c.allowedDiffering);
    }
}

TEST(PainterDevice, TextIsWrittenAsTextInItsFontAndAngle) {
    const QByteArray svg = AsSvg([](TChartCanvas& c) {
        c.TextOut(10, 10, "Vreme");
        c.RotatedTextOut(20, 70, "ms", 90);
    });
    EXPECT_TRUE(svg.contains(">Vreme</text>"));
    EXPECT_TRUE(svg.contains(">ms</text>"));
    EXPECT_TRUE(svg.contains("rotate(-90") || svg.contains("matrix(0,-1,1,0")) << svg.constData();
}

} // namespace
