#include "ChartImage.h"

#include "device/PainterDevice.h"
#include "frame/CustomChartPanel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int ScreenDpi = 96;

QSize ChartSize(const TCustomChartPanel& chart) {
    return {std::max(chart.Width(), 1), std::max(chart.Height(), 1)};
}

// The chart as shapes on the painter, in the painter's coordinates as they stand.
void DrawChartShapes(QPainter& painter, TCustomChartPanel& chart) {
    TPainterDevice device(painter);
    chart.DrawChartOn(device);
}

} // namespace

QImage ChartImage(TCustomChartPanel& chart) {
    const QSize size = ChartSize(chart);
    QImage image(size.width(), size.height(), QImage::Format_RGB32);
    chart.PaintChart(image);
    return image;
}

QImage ChartImageAtScale(TCustomChartPanel& chart, int scale) {
    if (scale <= 1)
        return ChartImage(chart);
    const QSize size = ChartSize(chart) * scale;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    DrawChartShapes(painter, chart);
    return image;
}

PictureFormat PictureFormatOf(const QString& path, PictureFormat fallback) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return PictureFormat::Png;
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    return fallback;
}

int PictureScaleOf(const QString& path) {
    const QString name = QFileInfo(path).completeBaseName().toLower();
    if (name.endsWith(u"@2x"))
        return 2;
    if (name.endsWith(u"@3x"))
        return 3;
    return 1;
}

void WriteChartPicture(QIODevice& device, TCustomChartPanel& chart, PictureFormat format,
                       int scale) {
    const QSize size = ChartSize(chart);
    switch (format) {
    case PictureFormat::Png: {
        QImageWriter writer(&device, "png");
        if (!writer.write(ChartImageAtScale(chart, scale)))
            throw std::runtime_error(writer.errorString().toStdString());
        return;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(ScreenDpi);
        QPainter painter(&svg);
        DrawChartShapes(painter, chart);
        return;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setResolution(ScreenDpi);
        const QSizeF points = QSizeF(size) * 72.0 / ScreenDpi;
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        const auto failed = [] {
            return std::runtime_error(
                QCoreApplication::translate("ChartImage", "PDF nije mogao da se napravi")
                    .toStdString());
        };
        QPainter painter;
        if (!painter.begin(&pdf))
            throw failed();
        DrawChartShapes(painter, chart);
        if (!painter.end())
            throw failed();
        return;
    }
    }
}

void PrintChart(QPagedPaintDevice& device, TCustomChartPanel& chart) {
    const QSize size = ChartSize(chart);
    device.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error(
            QCoreApplication::translate("ChartImage",
                                        "Štampanje nije uspelo: uređaj ne prima stranicu")
                .toStdString());
    const QSizeF page(device.width(), device.height());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    DrawChartShapes(painter, chart);
    if (!painter.end())
        throw std::runtime_error(
            QCoreApplication::translate("ChartImage", "Štampanje nije uspelo").toStdString());
}
