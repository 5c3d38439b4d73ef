// Saving the results chart and the histogram as pictures, and printing them.
#include "ChartImage.h"
#include "Guarded.h"
#include "MainForm.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// In the order of PictureFormat.
std::vector<platform::FileType> PictureTypes() {
    return {
        {QCoreApplication::translate("TMainForm", "PNG slika"), QStringLiteral("png")},
        {QCoreApplication::translate("TMainForm", "SVG crtež"), QStringLiteral("svg")},
        {QCoreApplication::translate("TMainForm", "PDF dokument"), QStringLiteral("pdf")},
    };
}

} // namespace

void TMainForm::SaveChartPicture(TDBChart& chart, QString& path) {
    SettlePendingEdits();
    const auto answer = services_.files.AskSaveFile({tr("Snimi sliku"), path, PictureTypes()});
    if (!answer)
        return;
    path = answer->path;
    const PictureFormat picked =
        answer->type < PictureTypes().size() ? PictureFormat(answer->type) : PictureFormat::Png;
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
        chartPicturePath_ = DocumentsFile(tr("grafikon.png"));
    SaveChartPicture(DBChart1, chartPicturePath_);
}

void TMainForm::Button4Click() {
    PrintChartPicture(DBChart1, tr("Tavulin - grafikon"));
}

void TMainForm::Button7Click() {
    if (histogramPicturePath_.isEmpty())
        histogramPicturePath_ = DocumentsFile(tr("histogram.png"));
    SaveChartPicture(DBChart2, histogramPicturePath_);
}

void TMainForm::Button6Click() {
    PrintChartPicture(DBChart2, tr("Tavulin - histogram"));
}
