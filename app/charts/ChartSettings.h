#pragma once

class TChartFont;
class TDBChart;

// The looks the main window gives its three charts: size, panel colour and frame, 3D switch,
// title, walls, axes and colour palette. Series and the legend are set up elsewhere. The palette
// is set here, so apply these before the series join the chart.
void ApplyDBChart1Settings(TDBChart& chart);
void ApplyDBChart2Settings(TDBChart& chart);
void ApplyDBChart3Settings(TDBChart& chart);

// A font as tall as `pixels` character height on a 96 dpi screen (the nearest point size).
void SetFontPixelHeight(TChartFont& font, int pixels);
