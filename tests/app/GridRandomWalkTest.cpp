// A seeded random walk of keys and clicks over the grids and navigators, with error boxes and
// questions answered as a person would. Nothing may crash, and afterwards every grid shows
// exactly the points of its series.
#include "ResultViewsFixture.h"

#include <QTabBar>
#include <random>
#include <sstream>

namespace {

struct GridRandomWalk : ResultViews, ::testing::WithParamInterface<unsigned> {
    std::mt19937 random;
    std::vector<std::string> steps;

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    struct GridOnPage {
        TDBGrid* grid;
        int page;
    };
    std::vector<GridOnPage> Grids() {
        return {{form->DBGrid1, 1}, {form->DBGrid2, 3}, {form->DBGrid3, 3}};
    }

    void Log(const std::string& step) { steps.push_back(step); }

    // Keys go where the focus is; when that is no grid nor one of its editors, a grid on the
    // shown page takes the focus first.
    QWidget* GridFocus() {
        QWidget* focus = QApplication::focusWidget();
        for (const auto& g : Grids())
            if (focus && (focus == g.grid || g.grid->isAncestorOf(focus)))
                return focus;
        for (const auto& g : Grids())
            if (g.grid->isVisible()) {
                g.grid->setFocus();
                return g.grid;
            }
        return nullptr;
    }

    void PressKey() {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Qt::Key_Return, {}},  {Qt::Key_Escape, {}},    {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, {}}, {Qt::Key_Up, {}},        {Qt::Key_Down, {}},
            {Qt::Key_Left, {}},    {Qt::Key_Right, {}},     {Qt::Key_Insert, {}},
            {Qt::Key_F2, {}},      {Qt::Key_Backspace, {}}, {Qt::Key_Delete, Qt::ControlModifier}};
        QWidget* target = GridFocus();
        if (!target)
            return;
        if (Pick(2) == 0) {
            const char c = "0123456789.-xa"[Pick(14)];
            Log(std::string("type ") + c);
            QTest::keyClick(target, c);
        } else {
            const auto& [key, modifiers] = keys[std::size_t(Pick(int(keys.size())))];
            Log("key " + QKeySequence(key | modifiers).toString().toStdString());
            QTest::keyClick(target, key, modifiers);
        }
    }

    void ClickCell() {
        const GridOnPage g = Grids()[std::size_t(Pick(3))];
        if (!g.grid->isVisible() || g.grid->model()->rowCount() == 0)
            return;
        const QModelIndex cell = g.grid->model()->index(Pick(g.grid->model()->rowCount()),
                                                        Pick(g.grid->model()->columnCount()));
        const QRect box = g.grid->visualRect(cell);
        if (box.isEmpty())
            return;
        Log("click " + g.grid->objectName().toStdString() + " " + std::to_string(cell.row()) + "," +
            std::to_string(cell.column()));
        QTest::mouseClick(g.grid->viewport(), Qt::LeftButton, {}, box.center());
    }

    void ClickNavigator() {
        TDBNavigator* navigator = Pick(2) ? form->DBNavigator1 : form->DBNavigatorKalib;
        QToolButton* button = navigator->Button(TNavigateBtn(Pick(nbCancel + 1)));
        if (!button || !button->isVisible())
            return;
        Log("navigator " + navigator->objectName().toStdString() + " " +
            button->toolTip().toStdString());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void Step() {
        switch (Pick(20)) {
        case 0:
            Log("page");
            form->PageControl1->setCurrentIndex(Pick(4));
            break;
        case 1:
            Log("result");
            Record({double(100 + Pick(400))});
            break;
        case 2:
        case 3:
        case 4:
            ClickCell();
            break;
        case 5:
        case 6:
            ClickNavigator();
            break;
        default:
            PressKey();
        }
        answer = Pick(2) == 0;
        QCoreApplication::processEvents();
    }

    // As the grids show numbers: the locale's general format, without grouping.
    static std::string Shown(double value) {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value, 'g', 15).toStdString();
    }

    void ExpectGridShowsSeries(TDBGrid* grid, const TChartSeries& series) {
        SCOPED_TRACE(grid->objectName().toStdString());
        ASSERT_EQ(grid->model()->rowCount(), series.PointCount());
        for (int i = 0; i < series.PointCount(); ++i) {
            EXPECT_EQ(Cell(grid, i, 0).toStdString(), Shown(series.XValues().ValueAt(i)))
                << "row " << i;
            EXPECT_EQ(Cell(grid, i, 1).toStdString(), Shown(series.YValues().ValueAt(i)))
                << "row " << i;
        }
    }

    std::string Trace() const {
        std::ostringstream out;
        out << "seed " << GetParam() << ", " << steps.size() << " steps; the last ones:";
        for (std::size_t i = steps.size() > 40 ? steps.size() - 40 : 0; i < steps.size(); ++i)
            out << "\n  " << i << ": " << steps[i];
        return out.str();
    }
};

} // namespace

TEST_P(GridRandomWalk, SurvivesAndLeavesEveryGridShowingItsSeries) {
    random.seed(GetParam());
    AnswerErrorsInAModalBox();
    for (double x : {1.0, 2.0, 3.0})
        form->Series1.AddPoint(x, x * 10);
    form->SeriesDataSet2.Close();
    form->SeriesDataSet2.Open();
    Record({200, 210, 220});
    Grid();
    for (int i = 0; i < 1000; ++i)
        Step();

    // Whatever is still being edited is dropped.
    for (TDataSet* dataSet :
         {static_cast<TDataSet*>(&Results()), static_cast<TDataSet*>(&form->SeriesDataSet2)})
        dataSet->Cancel();
    QCoreApplication::processEvents();
    ExpectGridShowsSeries(form->DBGrid1, form->Series0);
    ExpectGridShowsSeries(form->DBGrid3, form->Series0);
    ExpectGridShowsSeries(form->DBGrid2, form->Series1);
    if (HasFailure())
        ADD_FAILURE() << Trace();
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridRandomWalk, ::testing::Values(1u, 2u, 3u));
