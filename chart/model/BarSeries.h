#pragma once

#include "CustomBarSeries.h"

// A series drawn as vertical bars; its Y list is called "Bar". The renderer supplies the drawing.
class TBarSeries : public TCustomBarSeries {
public:
    TBarSeries() { YValues().SetName("Bar"); }
};
