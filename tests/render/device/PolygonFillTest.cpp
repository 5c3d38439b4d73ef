// The canvas fills solid polygons with its own span writer; it must set exactly the pixels the
// painter's aliased even-odd fill sets, which the chart's pictures were laid out by.

#include "device/ChartCanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <random>
#include <vector>

namespace {

constexpr int W = 48;
constexpr int H = 36;

struct Fill {
    std::vector<TPoint> points;
    TRect clip{0, 0, 0, 0};            // empty: no clip
    std::vector<TPoint> clipOutline{}; // a clip by outline instead
};

QPolygon ToQPolygon(const std::vector<TPoint>& points) {
    QPolygon poly;
    for (const TPoint& pt : points)
        poly << QPoint(pt.x, pt.y);
    return poly;
}

QImage Blank() {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage ByCanvas(const Fill& f) {
    QImage image = Blank();
    TChartCanvas canvas;
    canvas.SetTarget(&image);
    canvas.SetPenStyle(psClear);
    canvas.SetBrushColor(clRed);
    if (!f.clip.IsEmpty())
        canvas.ClipToRect(f.clip);
    if (!f.clipOutline.empty())
        canvas.ClipToPolygon(f.clipOutline);
    canvas.Polygon(f.points);
    canvas.SetTarget(nullptr);
    return image;
}

QImage ByPainter(const Fill& f) {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!f.clip.IsEmpty())
        p.setClipRect(QRect(f.clip.left, f.clip.top, f.clip.Width(), f.clip.Height()));
    if (!f.clipOutline.empty())
        p.setClipRegion(QRegion(ToQPolygon(f.clipOutline), Qt::OddEvenFill));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawPolygon(ToQPolygon(f.points), Qt::OddEvenFill);
    return image;
}

std::string Describe(const Fill& f) {
    std::string s;
    for (const TPoint& p : f.points)
        s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ") ";
    return s;
}

void ExpectSameAsPainter(const Fill& f) {
    const QImage a = ByCanvas(f);
    const QImage b = ByPainter(f);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ADD_FAILURE() << Describe(f) << "differ at " << x << "," << y;
                return;
            }
}

// Corners around the image and past its edges, often on a coarse grid so that edges repeat
// corners, run level or upright, and meet pixel centres exactly.
TPoint RandomCorner(std::mt19937& rng) {
    std::uniform_int_distribution<int> coarse(0, 1);
    std::uniform_int_distribution<int> x(-15, W + 15);
    std::uniform_int_distribution<int> y(-15, H + 15);
    std::uniform_int_distribution<int> grid(-2, 8);
    if (coarse(rng))
        return {grid(rng) * 6, grid(rng) * 5};
    return {x(rng), y(rng)};
}

} // namespace

TEST(PolygonFill, NamedShapesMatchThePainter) {
    const std::vector<Fill> cases = {
        {{{10, 10}, {30, 10}, {30, 20}, {10, 20}}},              // upright rectangle
        {{{5, 5}, {40, 12}, {35, 30}, {2, 25}}},                 // convex quad
        {{{0, 0}, {20, 20}, {40, 0}}},                           // 45-degree edges through centres
        {{{10, 10}, {10, 10}, {10, 10}, {10, 10}}},              // a point
        {{{3, 4}, {30, 4}, {30, 4}, {3, 4}}},                    // a level line
        {{{3, 4}, {20, 14}, {37, 24}, {3, 4}}},                  // collinear
        {{{-20, -10}, {70, -5}, {60, 50}, {-10, 45}}},           // covers the image
        {{{60, 5}, {80, 5}, {80, 20}, {60, 20}}},                // off the right
        {{{5, -20}, {20, -20}, {20, -2}, {5, -2}}},              // off the top
        {{{-5000, -3000}, {8000, 10}, {30, 8000}}},              // far corners, long shallow edges
        {{{-8000, 20}, {8000, 21}, {8000, 22}, {-8000, 23}}},    // thin sliver across the image
        {{{-9000, 0}, {9000, 0}, {9000, 30}, {-9000, 30}}},      // beyond the span writer's reach
        {{{10, 5}, {30, 30}, {30, 5}, {10, 30}}},                // bow tie
        {{{5, 5}, {40, 5}, {20, 10}, {5, 30}}},                  // concave
        {{{5, 5}, {40, 12}, {35, 30}, {2, 25}}, {8, 9, 30, 22}}, // clipped
    };
    for (const Fill& f : cases)
        ExpectSameAsPainter(f);
}

TEST(PolygonFill, RandomQuadsAndTrianglesMatchThePainter) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> corners(3, 4);
    std::uniform_int_distribution<int> clipped(0, 4);
    for (int i = 0; i < 4000 && !HasFailure(); ++i) {
        Fill f;
        const int n = corners(rng);
        for (int k = 0; k < n; ++k)
            f.points.push_back(RandomCorner(rng));
        const int clip = clipped(rng);
        if (clip == 0)
            f.clip = {7, 5, 33, 29};
        // A U-shaped outline: rows of two spans, one span and none.
        if (clip == 1)
            f.clipOutline = {{4, 3},   {44, 3},  {44, 32}, {30, 32},
                             {30, 12}, {16, 12}, {16, 32}, {4, 32}};
        // A slanted outline, a different span on every row, as a 3D chart's.
        if (clip == 2)
            f.clipOutline = {{2, 8}, {10, 1}, {46, 1}, {46, 26}, {38, 34}, {2, 34}};
        ExpectSameAsPainter(f);
    }
}

namespace {

// Even-odd by definition: a pixel is set when a ray from its centre to the left crosses the
// outline an odd number of times, the crossings computed exactly.
bool CentreInside(const std::vector<TPoint>& points, int x, int y) {
    bool inside = false;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        TPoint a = points[i];
        TPoint b = points[(i + 1) % n];
        if (a.y > b.y)
            std::swap(a, b);
        if (y < a.y || y >= b.y)
            continue;
        // a.x + dx (y + 1/2 - a.y) / dy < x + 1/2, times 2 dy > 0
        const __int128 dx = std::int64_t(b.x) - a.x;
        const __int128 dy = std::int64_t(b.y) - a.y;
        const __int128 crossing = 2 * __int128(a.x) * dy + dx * (2 * (__int128(y) - a.y) + 1);
        if (crossing < (2 * __int128(x) + 1) * dy)
            inside = !inside;
    }
    return inside;
}

// A corner far outside the image on a line through a point near it, so that the outline still
// crosses the image.
TPoint FarCorner(std::mt19937& rng) {
    std::uniform_int_distribution<int> nearX(-10, W + 10);
    std::uniform_int_distribution<int> nearY(-10, H + 10);
    std::uniform_int_distribution<int> step(-9, 9);
    std::uniform_int_distribution<int> reach(10000, 100000000);
    const int far = reach(rng);
    for (;;) {
        const int dx = step(rng);
        const int dy = step(rng);
        if (dx == 0 && dy == 0)
            continue;
        const std::int64_t x = nearX(rng) + std::int64_t(dx) * (far / 9);
        const std::int64_t y = nearY(rng) + std::int64_t(dy) * (far / 9);
        if (std::abs(x) > 9000 || std::abs(y) > 9000)
            return {int(x), int(y)};
    }
}

} // namespace

// Corners millions of pixels away: the visible part is filled as the exact shape, not drifted
// by a fixed-point slope carried from the far corner, nor left to the painter.
TEST(PolygonFill, FarCornersFillTheExactShapeOnTheImage) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> corners(3, 4);
    int filled = 0;
    for (int i = 0; i < 3000 && !HasFailure(); ++i) {
        Fill f;
        const int n = corners(rng);
        for (int k = 0; k < n; ++k)
            f.points.push_back(FarCorner(rng));
        const QImage image = ByCanvas(f);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const bool set = image.pixel(x, y) == QColor(Qt::red).rgb();
                filled += set;
                if (set != CentreInside(f.points, x, y)) {
                    ADD_FAILURE() << Describe(f) << "differ at " << x << "," << y;
                    x = W;
                    y = H;
                }
            }
    }
    EXPECT_GT(filled, 100000); // the cases do reach the image
}

// A ribbon from a point on the image to one ten million pixels below it, and the same ribbon
// ended just below the image: the same pixels, inside a clip as the series are drawn.
TEST(PolygonFill, ARibbonToAFarPointFillsAsOneEndedNearBy) {
    const auto ribbon = [](int reach) {
        const TPoint a{10, 12};
        const TPoint b{a.x + 3 * reach, a.y + 64 * reach};
        return Fill{{a, b, {b.x + 9, b.y - 9}, {a.x + 9, a.y - 9}}, {4, 4, 40, 30}};
    };
    const QImage near = ByCanvas(ribbon(1));
    const QImage far = ByCanvas(ribbon(150000));
    EXPECT_EQ(far, near);
    EXPECT_EQ(near.pixel(14, 12), QColor(Qt::red).rgb());
}
