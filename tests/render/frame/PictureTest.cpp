#include "ChartFixture.h"

#include <QDir>

namespace {

// A few results, a histogram and three calibration runs, so that axes show labels.
void FillSampleData(ChartUnderTest& t, ProgramChart which) {
    switch (which) {
    case ProgramChart::DBChart1:
        for (double ms : {312.0, 276.0, 405.0, 251.0, 289.0, 333.0, 298.0})
            t.series[0]->AddValue(ms);
        break;
    case ProgramChart::DBChart2: {
        auto& bars = static_cast<TBarSeries&>(*t.series[0]);
        bars.SetBarStyle(TBarStyle::bsRectGradient);
        bars.Gradient().SetStartColor(0xFFF3EA);
        bars.Gradient().SetMidColor(0xE0E6E9);
        const double counts[] = {1, 4, 7, 3, 2};
        for (int i = 0; i < 5; ++i)
            t.series[0]->AddPoint(250 + 40 * i, counts[i]);
        break;
    }
    case ProgramChart::DBChart3: {
        const char* titles[] = {"QueryPerformance", "RDTSC", "CPUcalcms"};
        const TColor colours[] = {clBlue, clRed, clYellow};
        for (int s = 0; s < 3; ++s) {
            t.series[std::size_t(s)]->SetTitle(titles[s]);
            t.series[std::size_t(s)]->SetSeriesColor(colours[s]);
        }
        for (int i = 0; i < 10; ++i)
            for (int s = 0; s < 3; ++s)
                t.series[std::size_t(s)]->AddPoint(i, 0.05 * (s + 1) * (i % 4) - 0.02 * s);
        break;
    }
    }
}

} // namespace

// The three charts at their design sizes, each painted in full. With TAVULIN_CHART_PICTURES
// naming a folder the pictures are saved there as dbchart1.png .. dbchart3.png for a look.
TEST(ChartPictures, ProgramChartsPaintEveryPixel) {
    const QString folder = qEnvironmentVariable("TAVULIN_CHART_PICTURES");
    int n = 0;
    for (ProgramChart which :
         {ProgramChart::DBChart1, ProgramChart::DBChart2, ProgramChart::DBChart3}) {
        ++n;
        ChartUnderTest t(which);
        FillSampleData(t, which);
        t.Paint();
        int untouched = 0;
        for (int y = 0; y < t.window.height(); ++y)
            for (int x = 0; x < t.window.width(); ++x)
                untouched += t.Px(x, y) == RGBColor(1, 2, 3);
        EXPECT_EQ(untouched, 0) << "chart " << n;
        if (!folder.isEmpty())
            t.window.save(QDir(folder).filePath(QStringLiteral("dbchart%1.png").arg(n)));
    }
}
