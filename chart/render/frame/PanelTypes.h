#pragma once

// Settings shared by the chart panel and its framed shapes.

// How a bevel is cut: its top-left and bottom-right lines in the button shadow and highlight
// colours (lowered), the other way round (raised), highlight on both sides (space), or none.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Margins in percent of the panel's width (left, right) or height (top, bottom), or in pixels.
enum TChartUnits { muPercent, muPixels };

// The four sides of the plotting rectangle an axis (and the wall behind it) can stand on, and
// the depth axes.
enum class TAxisSide { Left, Top, Right, Bottom, Depth, DepthTop };
