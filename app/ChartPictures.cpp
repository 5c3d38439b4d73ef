// Saving the results chart and the histogram as pictures, and printing them.
#include "ChartImage.h"
#include "Guarded.h"
#include "MainForm.h"
#include "SafeFile.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// In the order of PictureFormat.
const std::vector<platform::FileType> PictureTypes{
    {QStringLiteral("PNG slika"), QStringLiteral("png")},
    {QStringLiteral("SVG crtež"), QStringLiteral("svg")},
    {QStringLiteral("PDF dokument"), QStringLiteral("pdf")},
};

} // namespace

void TMainForm::SaveChartPicture(TDBChart& chart, QString& path) {
    SettlePendingEdits();
    const auto answer =
        services_.files.AskSaveFile({QStringLiteral("Snimi sliku"), path, PictureTypes});
    if (!answer)
        return;
    path = answer->path;
    const PictureFormat picked =
        answer->type < PictureTypes.size() ? PictureFormat(answer->type) : PictureFormat::Png;
    // A PNG named "…@2x.png" or "…@3x.png" is drawn at twice or three times the chart's size.
    const PictureFormat format = PictureFormatOf(answer->path, picked);
    const int scale = PictureScaleOf(answer->path);
    Guarded(services_.errors, [&] {
        SaveFileSafely(answer->path,
                       [&](QIODevice& file) { WriteChartPicture(file, chart, format, scale); });
    });
}

void TMainForm::PrintChartPicture(TDBChart& chart, const QString& documentName) {
    SettlePendingEdits();
    Guarded(services_.errors, [&] {
        const std::unique_ptr<QPagedPaintDevice> printer =
            services_.printing.AskPrinter(documentName);
        if (!printer)
            return;
        // Printing to a file would write it in place, leaving a broken PDF over the old one
        // when the disk fills: such a file is drawn on the printer's page in memory and saved
        // like every other file.
        auto* toFile = dynamic_cast<QPrinter*>(printer.get());
        if (toFile && toFile->outputFormat() == QPrinter::PdfFormat &&
            !toFile->outputFileName().isEmpty()) {
            SaveFileSafely(toFile->outputFileName(), [&](QIODevice& file) {
                QPdfWriter pdf(&file);
                pdf.setPageLayout(toFile->pageLayout());
                pdf.setResolution(toFile->resolution());
                pdf.setTitle(documentName);
                PrintChart(pdf, chart);
            });
            return;
        }
        PrintChart(*printer, chart);
    });
}

void TMainForm::Button3Click() {
    if (chartPicturePath_.isEmpty())
        chartPicturePath_ = DocumentsFile(QStringLiteral("grafikon.png"));
    SaveChartPicture(DBChart1, chartPicturePath_);
}

void TMainForm::Button4Click() {
    PrintChartPicture(DBChart1, QStringLiteral("Tavulin - grafikon"));
}

void TMainForm::Button7Click() {
    if (histogramPicturePath_.isEmpty())
        histogramPicturePath_ = DocumentsFile(QStringLiteral("histogram.png"));
    SaveChartPicture(DBChart2, histogramPicturePath_);
}

void TMainForm::Button6Click() {
    PrintChartPicture(DBChart2, QStringLiteral("Tavulin - histogram"));
}
