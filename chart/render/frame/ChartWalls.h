#pragma once

#include "frame/ChartShape.h"

// A wall of the plotting box. With Size 0 it is a flat plane; thicker walls are boxes whose
// sides are darkened when Dark3D is on and the wall is filled.
class TCustomChartWall : public TChartCustomShape {
public:
    TCustomChartWall(TCustomChartBase* chart, TColor color, bool transparent, bool visible);

    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool v) { Change(dark3D_, v); }
    // Thickness in pixels.
    int Size() const { return size_; }
    void SetSize(int v) { Change(size_, v); }
    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool v) { Change(autoHide_, v); }

private:
    int size_ = 0;
    bool dark3D_ = true;
    bool autoHide_ = false;
};

// The left wall (pale yellow) and the floor (white): opaque and shown.
class TChartWall : public TCustomChartWall {
public:
    TChartWall(TCustomChartBase* chart, TColor color)
        : TCustomChartWall(chart, color, false, true) {}
};

// The back wall: silver but transparent, so only its outline shows by default.
class TChartBackWall : public TCustomChartWall {
public:
    explicit TChartBackWall(TCustomChartBase* chart)
        : TCustomChartWall(chart, clSilver, true, true) {}
};

// The right wall: silver, hidden by default.
class TChartRightWall : public TCustomChartWall {
public:
    explicit TChartRightWall(TCustomChartBase* chart)
        : TCustomChartWall(chart, clSilver, false, false) {}
};

// The four walls of a chart.
class TChartWalls {
public:
    explicit TChartWalls(TCustomChartBase* chart)
        : Back(chart), Left(chart, LeftWallColor), Bottom(chart, clWhite), Right(chart) {}

    static constexpr TColor LeftWallColor = 0x80FFFF;

    TChartBackWall Back;
    TChartWall Left;
    TChartWall Bottom;
    TChartRightWall Right;
};
