#pragma once

#include <QPalette>

// The chart engine's system colours (button face, shadow, highlight, window, window text) as
// this desktop's palette has them.
void FillSystemColorsFromPalette(const QPalette& palette);
