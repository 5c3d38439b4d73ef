// The data side of the three charts and the datasets over the results: what the window sets
// on them when it is created. How the charts look comes with their panel.
#include "ChartSettings.h"
#include "MainForm.h"

namespace {

const std::string PercentFormat = "##0.##,%";

// The settings the results and calibration line series share.
void SetUpLineSeries(TLineSeries& series, const char* name, bool percentFormat = true) {
    series.SetName(name);
    series.Marks().SetVisible(false);
    if (percentFormat)
        series.SetPercentFormat(PercentFormat);
}

} // namespace

void TMainForm::CreateCharts() {
    // The chart settings, the palette among them, are in place before the series join, which
    // pick their colours from it.
    ApplyDBChart1Settings(DBChart1);
    ApplyDBChart2Settings(DBChart2);
    ApplyDBChart3Settings(DBChart3);

    SetUpLineSeries(Series0, "Series0");
    Series0.SetShowInLegend(false);
    SetUpLineSeries(Series1, "Series1");
    Series1.SetShowInLegend(false);
    SetUpLineSeries(Series2, "Series2");
    for (TLineSeries* series : {&Series0, &Series1, &Series2})
        DBChart1.AddSeries(*series);

    SeriesHistogram.SetName("SeriesHistogram");
    SeriesHistogram.SetBarStyle(TBarStyle::bsRectGradient);
    SeriesHistogram.Gradient().SetStartColor(0xFFF3EA);
    SeriesHistogram.Gradient().SetMidColor(0xE0E6E9);
    SeriesHistogram.Marks().SetVisible(false);
    SeriesHistogram.Marks().SetCallOutLength(8);
    SeriesHistogram.SetPercentFormat(PercentFormat);
    DBChart2.AddSeries(SeriesHistogram);
    HistogramMarkers.SetChart(&DBChart2);
    DBChart2.AddTool(HistogramMarkers);

    SetUpLineSeries(SeriesQueryPerformance, "SeriesQueryPerformance");
    SeriesQueryPerformance.SetTitle("QueryPerformance");
    SeriesQueryPerformance.SetSeriesColor(clBlue);
    SeriesQueryPerformance.LinePen().SetColor(clYellow);
    SetUpLineSeries(SeriesRDTSC, "SeriesRDTSC", false);
    SeriesRDTSC.SetTitle("RDTSC");
    SeriesRDTSC.SetSeriesColor(clRed);
    SeriesRDTSC.LinePen().SetColor(RGBColor(0, 255, 64));
    SetUpLineSeries(Series3, "Series3");
    Series3.SetTitle("CPUcalcms");
    Series3.SetSeriesColor(clYellow);
    Series3.LinePen().SetColor(clRed);
    for (TLineSeries* series : {&SeriesQueryPerformance, &SeriesRDTSC, &Series3})
        DBChart3.AddSeries(*series);
    CreateTrendChart();
}

void TMainForm::CreateDataSets() {
    Series0DataSet.AddField("Color", TFieldType::Integer, 0, 20);
    Series0DataSet.AddField("X", TFieldType::Float, 0, 18);
    Series0DataSet.AddField("Y", TFieldType::Float, 0, 26);
    Series0DataSet.AddField("Label", TFieldType::String, TSeriesDataSet::LabelLength, 154);
    Series0DataSet.SetSeries(&Series0);
    Series0DataSource.SetDataSet(&Series0DataSet);
    Series0DataSet.Open();

    SeriesDataSet2.SetSeries(&Series1);
    DataSource2.SetDataSet(&SeriesDataSet2);
    SeriesDataSet2.Open();
}
