// The charts saved as pictures and printed: the picture is what the chart shows.
#include "ChartImage.h"
#include "FileSystemHelpers.h"
#include "FormFixture.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

struct ChartPictures : FormFixture {
    QTemporaryDir dir;

    void SetUp() override {
        FormFixture::SetUp();
        for (double ms : {250.0, 300.0, 275.0})
            form->Series0.AddValue(ms);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void AnswerSave(const QString& path, std::size_t type) {
        fakes.files.saveAnswer = platform::FileAnswer{path, type};
    }
    // The chart's page shown, and what its widget shows.
    QImage OnScreen(int page, QWidget* chartWidget) {
        form->PageControl1->setCurrentIndex(page);
        QCoreApplication::processEvents();
        return chartWidget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(ChartPictures, APngHoldsExactlyWhatTheChartShowsAtItsSize) {
    struct Case {
        int page;
        QWidget* widget;
        std::function<void()> click;
    };
    for (const Case& c : {Case{1, form->DBChart1Widget.get(), [&] { form->Button3Click(); }},
                          Case{2, form->DBChart2Widget.get(), [&] { form->Button7Click(); }}}) {
        const QImage shown = OnScreen(c.page, c.widget);
        AnswerSave(Path("slika.png"), 0);
        c.click();
        const QImage saved = QImage(Path("slika.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(saved.size(), c.widget->size()) << c.widget->objectName().toStdString();
        EXPECT_TRUE(saved == shown) << c.widget->objectName().toStdString();
    }
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
}

TEST_F(ChartPictures, TheFormatFollowsThePickedTypeUnlessTheNameSaysOtherwise) {
    struct Case {
        const char* name;
        std::size_t type;
        QByteArray start;
    };
    for (const Case& c : {Case{"a.png", 0, "\x89PNG"}, Case{"b", 1, "<?xml"}, Case{"c", 2, "%PDF"},
                          Case{"d.svg", 0, "<?xml"}, Case{"e.pdf", 1, "%PDF"}}) {
        AnswerSave(Path(c.name), c.type);
        form->Button3Click();
        EXPECT_TRUE(ReadFile(Path(c.name)).startsWith(c.start)) << c.name;
    }
    const QByteArray svg = ReadFile(Path("b"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 494 304\"")) << svg.left(600).constData();
}

TEST_F(ChartPictures, PrintingDrawsTheChartOnTheDeviceThePrintDialogGives) {
    fakes.printing.answer = [&] { return std::make_unique<QPdfWriter>(Path("stampa.pdf")); };
    form->Button4Click();
    form->Button6Click();
    EXPECT_EQ(fakes.printing.documents, (QStringList{"Tavulin - grafikon", "Tavulin - histogram"}));
    const QByteArray pdf = ReadFile(Path("stampa.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
}

TEST_F(ChartPictures, ACancelledPrintDialogPrintsNothing) {
    form->Button4Click();
    EXPECT_EQ(fakes.printing.documents.size(), 1);
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
}

// Printed to a file on a full disk, the old file stays whole and the failure is told.
TEST_F(ChartPictures, PrintingToAFileGoesThroughTheSafeSave) {
    const QString path = Path("stampa.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    fakes.printing.answer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    };
    {
        FileSizeLimit limit(200);
        form->Button4Click();
    }
    EXPECT_EQ(ReadFile(path), "old");
    ASSERT_EQ(fakes.errors.shown.size(), 1);
    EXPECT_TRUE(fakes.errors.shown[0].startsWith("Ne mogu da snimim datoteku"));
    form->Button6Click();
    EXPECT_TRUE(ReadFile(path).startsWith("%PDF"));
}

TEST_F(ChartPictures, PrintToFileNeedsNoPrinter) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("u-datoteku.pdf"));
    PrintChart(printer, form->DBChart1);
    EXPECT_TRUE(ReadFile(Path("u-datoteku.pdf")).startsWith("%PDF"));
}

} // namespace
