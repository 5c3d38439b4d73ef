#include "ChartFixture.h"

#include <QDir>

// The three charts at their design sizes, each painted in full. With TAVULIN_CHART_PICTURES
// naming a folder the pictures are saved there as dbchart1.png .. dbchart3.png for a look.
TEST(ChartPictures, ProgramChartsPaintEveryPixel) {
    const QString folder = qEnvironmentVariable("TAVULIN_CHART_PICTURES");
    int n = 0;
    for (ProgramChart which :
         {ProgramChart::DBChart1, ProgramChart::DBChart2, ProgramChart::DBChart3}) {
        ++n;
        ChartUnderTest t(which);
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
