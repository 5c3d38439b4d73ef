#include "Anchors.h"
#include "ChartSettings.h"
#include "MainForm.h"

namespace {

const int AllSides = akLeft | akTop | akRight | akBottom;

// A widget for the chart at its designed box on the page, stretching with the page.
std::unique_ptr<TChartWidget> PlaceChart(TDBChart& chart, const char* name, QWidget* page,
                                         QRect designBox) {
    auto widget = std::make_unique<TChartWidget>(chart, page);
    widget->setObjectName(QLatin1StringView(name));
    page->findChild<AnchorLayout*>()->Place(widget.get(), designBox, AllSides);
    return widget;
}

} // namespace

void TMainForm::CreateCharts() {
    DBChart1 = std::make_unique<TDBChart>();
    ApplyDBChart1Settings(*DBChart1);
    DBChart2 = std::make_unique<TDBChart>();
    ApplyDBChart2Settings(*DBChart2);
    DBChart3 = std::make_unique<TDBChart>();
    ApplyDBChart3Settings(*DBChart3);

    DBChart1Widget = PlaceChart(*DBChart1, "DBChart1", TabSheet2, QRect(16, 16, 494, 304));
    DBChart2Widget = PlaceChart(*DBChart2, "DBChart2", TabSheet3, QRect(16, 16, 774, 305));
    DBChart3Widget = PlaceChart(*DBChart3, "DBChart3", TabSheet4, QRect(192, 16, 598, 305));
}
