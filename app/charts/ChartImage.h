#pragma once

#include <QImage>
#include <QString>

class QIODevice;
class QPaintDevice;
class QPagedPaintDevice;
class TCustomChartPanel;

// What a chart shows, as a picture of its own size: the image its paint draws.
QImage ChartImage(TCustomChartPanel& chart);

// The chart drawn as shapes at `scale` times its size: lines, areas and text laid out as at
// 1× and drawn at the larger size, not an enlarged image.
QImage ChartImageAtScale(TCustomChartPanel& chart, int scale);

enum class PictureFormat { Png, Svg, Pdf };

// The format named by the file's extension; `fallback` when it names none of them.
PictureFormat PictureFormatOf(const QString& path, PictureFormat fallback);

// How many times the chart's size a PNG is drawn at: 2 or 3 when the name ends in "@2x" or
// "@3x" before its extension ("grafikon@2x.png"), 1 otherwise.
int PictureScaleOf(const QString& path);

// Writes the chart in the format. A PNG is the image the screen shows, or at 2× and 3× the chart
// drawn at that scale; SVG and PDF hold the chart as shapes and text at its size in pixels (at
// 96 dots per inch). Raises a runtime_error when the picture cannot be written.
void WriteChartPicture(QIODevice& device, TCustomChartPanel& chart, PictureFormat format,
                       int scale = 1);

// Draws the chart as shapes on the page at the device's resolution, turned to landscape when the
// chart is wider than tall, as large as the printable area allows with its proportions kept, at
// the top and centred across. Raises a runtime_error when the device cannot be painted on (a
// printer that is not there).
void PrintChart(QPagedPaintDevice& device, TCustomChartPanel& chart);
