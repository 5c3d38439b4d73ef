#include "ChartImage.h"

#include "frame/CustomChartPanel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <stdexcept>

namespace {

constexpr int ScreenDpi = 96;

} // namespace

QImage ChartImage(TCustomChartPanel& chart) {
    QImage image(std::max(chart.Width(), 1), std::max(chart.Height(), 1), QImage::Format_RGB32);
    chart.PaintChart(image);
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

void WritePicture(QIODevice& device, const QImage& picture, PictureFormat format) {
    switch (format) {
    case PictureFormat::Png: {
        QImageWriter writer(&device, "png");
        if (!writer.write(picture))
            throw std::runtime_error(writer.errorString().toStdString());
        return;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(picture.size());
        svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
        svg.setResolution(ScreenDpi);
        QPainter painter(&svg);
        painter.drawImage(0, 0, picture);
        return;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setResolution(ScreenDpi);
        const QSizeF points = QSizeF(picture.size()) * 72.0 / ScreenDpi;
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        PrintPicture(pdf, picture);
        return;
    }
    }
}

void PrintPicture(QPagedPaintDevice& device, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error(
            QCoreApplication::translate("ChartImage",
                                        "Štampanje nije uspelo: uređaj ne prima stranicu")
                .toStdString());
    const QSize page(device.width(), device.height());
    const QSize fitted = picture.size().scaled(page, Qt::KeepAspectRatio);
    const QRect target(QPoint((page.width() - fitted.width()) / 2, 0), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end())
        throw std::runtime_error(
            QCoreApplication::translate("ChartImage", "Štampanje nije uspelo").toStdString());
}
