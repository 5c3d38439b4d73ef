#pragma once

// A rectangle in chart pixels, x to the right and y downward. Right and bottom are exclusive
// in the GDI sense, as the plotting rectangle is.
struct TChartRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TChartRect&, const TChartRect&) = default;
};
