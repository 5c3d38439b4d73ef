#pragma once

// Text alignment flags: one horizontal and one vertical choice combined. The reference point of
// a text is its top-left corner unless these say otherwise.
enum TTextAlign : unsigned {
    taLeft = 0,
    taRight = 2,
    taCenter = 6,
    taTop = 0,
    taBottom = 8,
    taBaseline = 24,
};
inline constexpr unsigned taHorizontalMask = 6;
inline constexpr unsigned taVerticalMask = 24;

// Whether text cells, hatch gaps and gaps of dashed thin lines are filled with the back colour.
enum TCanvasBackMode { cbmTransparent, cbmOpaque };
