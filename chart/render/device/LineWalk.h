#pragma once

#include <cstdint>

// A one-pixel line's walk (Bresenham's, the start pixel set and the end pixel not) as a
// function of its step, so that a walk can begin at any pixel of the line and give exactly the
// pixels the whole walk would. Chart lines may end millions of pixels off the surface; walking
// only the steps inside the surface keeps their cost to the pixels they can touch.
class TLineWalk {
public:
    TLineWalk(int x0, int y0, int x1, int y1);

    // Pixels of the whole walk: the longer of the two extents.
    std::int64_t Steps() const { return steps_; }

    struct TStep {
        int x, y;
        // The walk's decision term at this step: the minor coordinate moves after it when > 0.
        std::int64_t err;
    };
    TStep At(std::int64_t i) const;

    // The steps [first, last) whose pixels lie in columns left..right-1 and rows top..bottom-1;
    // first == last when none does. A line's pixels move monotonically in both coordinates, so
    // those steps are one run.
    struct TRange {
        std::int64_t first = 0, last = 0;
    };
    TRange StepsInside(int left, int top, int right, int bottom) const;

    bool XMajor() const { return xMajor_; }
    int StepX() const { return sx_; }
    int StepY() const { return sy_; }
    std::int64_t Major() const { return major_; }
    std::int64_t Minor() const { return minor_; }

private:
    // How far the minor coordinate has moved before step i.
    std::int64_t MinorOffset(std::int64_t i) const {
        // 128 bits only when the product could pass 64, as both extents approach the int range;
        // the far-off points of a chart stay well below that.
        if (major_ < (std::int64_t(1) << 30))
            return (2 * minor_ * i + major_ - 1) / (2 * major_);
        return std::int64_t((__int128(2) * minor_ * i + major_ - 1) / (2 * major_));
    }

    int x0_, y0_;
    int sx_, sy_;
    bool xMajor_;
    std::int64_t major_, minor_;
    std::int64_t steps_;
};
