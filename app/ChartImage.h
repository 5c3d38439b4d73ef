#pragma once

#include <QImage>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class TCustomChartPanel;

// What a chart shows, as a picture of its own size: the image its paint draws.
QImage ChartImage(TCustomChartPanel& chart);

enum class PictureFormat { Png, Svg, Pdf };

// The format named by the file's extension; `fallback` when it names none of them.
PictureFormat PictureFormatOf(const QString& path, PictureFormat fallback);

// Writes the picture in the format. SVG and PDF carry it at its size in pixels (at 96 dots per
// inch); the chart's canvas draws pixels, so they hold the image rather than separate shapes.
// Raises a runtime_error when the picture cannot be written.
void WritePicture(QIODevice& device, const QImage& picture, PictureFormat format);

// Draws the picture on the page, as large as the printable area allows with its proportions
// kept, at the top and centred across. Raises a runtime_error when the device cannot be painted
// on (a printer that is not there).
void PrintPicture(QPagedPaintDevice& device, const QImage& picture);
