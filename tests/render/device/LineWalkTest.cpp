#include "device/LineWalk.h"
#include "CanvasFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {

struct Pixel {
    int x, y;
    bool operator==(const Pixel&) const = default;
};

// The whole walk, step by step, as the canvas once took it: the start pixel in, the end out.
std::vector<Pixel> WalkWhole(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
    std::vector<Pixel> out;
    int x = x0, y = y0;
    if (dx >= dy) {
        for (int i = 0, err = 2 * dy - dx; i < dx; ++i, err += 2 * dy, x += sx) {
            out.push_back({x, y});
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
        }
    } else {
        for (int i = 0, err = 2 * dx - dy; i < dy; ++i, err += 2 * dx, y += sy) {
            out.push_back({x, y});
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
        }
    }
    return out;
}

// Ends anywhere within ±3000 of a 200 x 150 box, so that most lines leave it on both sides and
// the whole walk stays short enough to take as the reference.
TEST(LineWalk, StepsInsideTheBoxAreExactlyTheWholeWalksPixelsInIt) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    for (int n = 0; n < 4000; ++n) {
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        const TLineWalk line(x0, y0, x1, y1);
        const std::vector<Pixel> whole = WalkWhole(x0, y0, x1, y1);
        ASSERT_EQ(line.Steps(), std::int64_t(whole.size()));
        const auto inside = [](const Pixel& p) {
            return p.x >= 10 && p.x < 210 && p.y >= -20 && p.y < 130;
        };
        const TLineWalk::TRange range = line.StepsInside(10, -20, 210, 130);
        for (std::int64_t i = 0; i < line.Steps(); ++i) {
            const bool inRange = i >= range.first && i < range.last;
            ASSERT_EQ(inside(whole[std::size_t(i)]), inRange)
                << "step " << i << " of (" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ")";
        }
        for (std::int64_t i = range.first; i < range.last; ++i) {
            const TLineWalk::TStep s = line.At(i);
            ASSERT_EQ((Pixel{s.x, s.y}), whole[std::size_t(i)]);
        }
    }
}

TEST(LineWalk, EndsAtTheIntRangeNeitherOverflowNorWalkOffSurface) {
    const TLineWalk line(-2000000000, 75, 2000000000, 76);
    const TLineWalk::TRange range = line.StepsInside(0, 0, 200, 150);
    EXPECT_EQ(range.last - range.first, 200);
    EXPECT_EQ(line.At(range.first).x, 0);
}

class FarOffLineTest : public CanvasFixture {};

// A solid line with far-off ends sets exactly the pixels the whole walk puts inside the image.
TEST_F(FarOffLineTest, CanvasSetsTheWholeWalksPixelsInsideTheImage) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-5000, 5000);
    for (int n = 0; n < 200; ++n) {
        Begin2D();
        canvas.SetPenColor(clBlack);
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        canvas.Line(x0, y0, x1, y1);
        std::vector<Pixel> expected;
        for (const Pixel& p : WalkWhole(x0, y0, x1, y1))
            if (p.x >= 0 && p.x < W && p.y >= 0 && p.y < H)
                expected.push_back(p);
        std::vector<Pixel> drawn;
        for (const Pixel& p : expected)
            if (Px(p.x, p.y) == clBlack)
                drawn.push_back(p);
        ASSERT_EQ(drawn, expected) << "(" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ")";
        ASSERT_EQ(Count({0, 0, W, H}, clBlack), int(expected.size()));
    }
}

// The dash runs on along the part of the line left of the image: 18 on, 6 off from x = -1000.
TEST_F(FarOffLineTest, DashKeepsItsPhaseFromTheLinesStartOffTheImage) {
    Begin2D();
    canvas.SetPenColor(clBlack);
    canvas.SetPenStyle(psDash);
    canvas.Line(-1000, 10, 300, 10);
    for (int x = 0; x < W; ++x)
        ASSERT_EQ(Px(x, 10) == clBlack, (x + 1000) % 24 < 18) << "x " << x;
}

} // namespace
