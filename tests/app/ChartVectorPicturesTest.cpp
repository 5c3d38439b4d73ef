// The charts saved as SVG and PDF and printed: shapes and text, looking as the screen shows them.
#include "ChartImage.h"
#include "FileSystemHelpers.h"
#include "FormFixture.h"
#include "SpinEdit.h"
#include "device/PainterDevice.h"

#include <QBuffer>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// Every text the chart draws, taken as it leaves the canvas.
class TextRecorder : public TPainterDevice {
public:
    using TPainterDevice::TPainterDevice;
    void Text(QPointF reference, double degrees, QPointF origin, const QFont& font,
              const QString& text, const QColor& color,
              const std::optional<TextBox>& background) override {
        texts << text;
        TPainterDevice::Text(reference, degrees, origin, font, text, color, background);
    }
    QStringList texts;
};

QStringList ChartTexts(TCustomChartPanel& chart) {
    QImage scratch(chart.Width(), chart.Height(), QImage::Format_RGB32);
    QPainter painter(&scratch);
    TextRecorder recorder(painter);
    chart.DrawChartOn(recorder);
    return recorder.texts;
}

struct SvgContent {
    int images = 0;
    int shapes = 0;
    QStringList texts;
};

SvgContent ReadSvg(const QByteArray& svg) {
    SvgContent content;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"image")
            ++content.images;
        else if (name == u"path" || name == u"polyline" || name == u"polygon" || name == u"rect")
            ++content.shapes;
        else if (name == u"text")
            content.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return content;
}

QImage Rasterized(const QByteArray& svg, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer renderer(svg);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The share of pixels whose channels all differ by no more than tolerance.
double Agreement(const QImage& a, const QImage& b, int tolerance) {
    if (a.size() != b.size())
        return 0;
    long long same = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            same += std::abs(qRed(p) - qRed(q)) <= tolerance &&
                    std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
                    std::abs(qBlue(p) - qBlue(q)) <= tolerance;
        }
    return double(same) / (double(a.width()) * a.height());
}

QByteArray Written(TCustomChartPanel& chart, PictureFormat format, int scale = 1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteChartPicture(buffer, chart, format, scale);
    return bytes;
}

// The text of a PDF as a reader finds it.
QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct ChartVectorPictures : FormFixture {
    QTemporaryDir dir;

    void SetUp() override {
        FormFixture::SetUp();
        SetResults({250, 300, 275, 410, 198, 333, 287, 262});
        form->HistoSpinEdit->Editor()->setText(QStringLiteral("20"));
        form->Button5->click();
        for (double ms : {10.0, 10.4, 9.8, 10.1})
            form->SeriesQueryPerformance.AddValue(ms);
        for (double ms : {10.2, 10.0, 10.3, 9.9})
            form->SeriesRDTSC.AddValue(ms);
        for (double ms : {9.9, 10.1, 10.0, 10.2})
            form->Series3.AddValue(ms);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    struct Shown {
        const char* name;
        TDBChart& chart;
        QImage screen;
    };
    // The three charts as their pages show them.
    std::vector<Shown> ShownCharts() {
        std::vector<Shown> shown;
        const std::array<std::pair<const char*, TDBChart*>, 3> charts{
            {{"results", &form->DBChart1},
             {"histogram", &form->DBChart2},
             {"calibration", &form->DBChart3}}};
        for (int i = 0; i < 3; ++i) {
            form->PageControl1->setCurrentIndex(i + 1);
            QCoreApplication::processEvents();
            TDBChart& chart = *charts[std::size_t(i)].second;
            shown.push_back({charts[std::size_t(i)].first, chart, ChartImage(chart)});
        }
        return shown;
    }
};

// Rasterized again, the shapes agree with the screen pixel for pixel but for antialiased edges
// and the smooth gradients, and every text the chart draws is there as text.
TEST_F(ChartVectorPictures, AnSvgHoldsShapesAndTextThatLookAsTheScreen) {
    for (const Shown& c : ShownCharts()) {
        SCOPED_TRACE(c.name);
        const QByteArray svg = Written(c.chart, PictureFormat::Svg);
        const SvgContent content = ReadSvg(svg);
        EXPECT_EQ(content.images, 0);
        EXPECT_GT(content.shapes, 10);
        const QStringList texts = ChartTexts(c.chart);
        EXPECT_GE(texts.size(), 8);
        for (const QString& text : texts)
            EXPECT_TRUE(content.texts.contains(text)) << text.toStdString();
        EXPECT_GE(Agreement(Rasterized(svg, c.screen.size()), c.screen, 64), 0.98);
    }
}

TEST_F(ChartVectorPictures, APdfOfTheHistogramHoldsItsTitleAndAxisLabelsAsText) {
    ShownCharts();
    fakes.files.saveAnswer = platform::FileAnswer{Path("histogram.pdf"), 2};
    form->Button7Click();
    ASSERT_TRUE(fakes.errors.shown.isEmpty());
    const QByteArray pdf = ReadFile(Path("histogram.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    const QString found = PdfText(Path("histogram.pdf"));
    EXPECT_TRUE(found.contains(u"Histogram vremena reakcije")) << found.toStdString();
    for (const char* label : {"100", "500", "1,000", "0.5", "3.5"})
        EXPECT_TRUE(found.contains(QString::fromUtf8(label))) << label;
}

// The print path draws the chart as shapes at the printer's resolution, on a page turned to
// landscape for a chart wider than tall.
TEST_F(ChartVectorPictures, PrintingToAFileGivesAVectorPageInLandscape) {
    ShownCharts();
    const QString path = Path("stampa.pdf");
    fakes.printing.answer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    };
    form->Button6Click();
    ASSERT_TRUE(fakes.errors.shown.isEmpty());
    const QByteArray pdf = ReadFile(path);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    EXPECT_TRUE(PdfText(path).contains(u"Histogram vremena reakcije"));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const QString pageSize = QString::fromUtf8(info.readAllStandardOutput())
                                 .section(QStringLiteral("Page size:"), 1)
                                 .section(u'\n', 0, 0);
    const QStringList sides = pageSize.simplified().split(u' ');
    ASSERT_GE(sides.size(), 3) << pageSize.toStdString();
    EXPECT_GT(sides[0].toDouble(), sides[2].toDouble()) << pageSize.toStdString();
}

TEST_F(ChartVectorPictures, APngNamedAt2xOr3xIsDrawnAtThatScale) {
    for (const auto& [name, scale] : {std::pair{"grafikon.png", 1}, std::pair{"grafikon@2x.png", 2},
                                      std::pair{"Grafikon@3X.PNG", 3}, std::pair{"g@4x.png", 1}})
        EXPECT_EQ(PictureScaleOf(QString::fromUtf8(name)), scale) << name;

    const std::vector<Shown> shown = ShownCharts();
    const QImage& screen = shown[0].screen;
    fakes.files.saveAnswer = platform::FileAnswer{Path("slika@2x.png"), 0};
    form->Button3Click();
    const QImage big = QImage(Path("slika@2x.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(big.size(), screen.size() * 2);
    // An image merely enlarged has every 2 × 2 block of one colour; one drawn at the scale has
    // edges and letters that fall inside blocks.
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < big.height(); y += 2)
        for (int x = 0; x + 1 < big.width(); x += 2) {
            const QRgb p = big.pixel(x, y);
            mixedBlocks += big.pixel(x + 1, y) != p || big.pixel(x, y + 1) != p ||
                           big.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(mixedBlocks, 1000);
    // Halved again it is still the chart the screen shows.
    const QImage halved =
        big.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GE(Agreement(halved, screen, 64), 0.98);
}

} // namespace
