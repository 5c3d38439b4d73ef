#pragma once

#include "BarSeries.h"
#include "ChartWidget.h"
#include "DataSource.h"
#include "LineSeries.h"
#include "Platform.h"
#include "ProcessorClock.h"
#include "SeriesDataSet.h"
#include "frame/DBChart.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

class AccessKeys;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QStatusBar;
class TButton;
class TDBGrid;
class TDBNavigator;
class TPanel;
class TSpinEdit;
class TWindowTimer;

// The program's one window: four tab pages, the reaction test on the first.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(platform::Services services, ProcessorClock& processorClock,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Components, by their names.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QStatusBar* MainStatusBar = nullptr;
    QLabel* MainStatusText = nullptr;

    TButton* KreniButton = nullptr;
    TPanel* RPanel = nullptr;
    TButton* ResetButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;

    QLabel* Label1 = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button7 = nullptr;
    TSpinEdit* HistoSpinEdit = nullptr;

    QLabel* LabelSleep = nullptr;
    QLabel* LabelIteracije = nullptr;
    TButton* ButtonIzmeri = nullptr;
    TSpinEdit* SpinEditSleep = nullptr;
    TSpinEdit* SpinEditIter = nullptr;

    TWindowTimer* RTimer = nullptr;

    // Result views on pages 2 to 4.
    TDBGrid* DBGrid1 = nullptr;
    TDBNavigator* DBNavigator1 = nullptr;
    TDBGrid* DBGrid2 = nullptr;
    TDBGrid* DBGrid3 = nullptr;
    TDBNavigator* DBNavigatorKalib = nullptr;
    // The charts and their series in form order: the series join their charts in this order,
    // and the handlers reach them by position. Declared before the datasets, which listen to
    // the charts and must go first.
    TDBChart DBChart1;
    TDBChart DBChart2;
    TDBChart DBChart3;
    TLineSeries Series0;
    TLineSeries Series1;
    TLineSeries Series2;
    TBarSeries SeriesHistogram;
    TLineSeries SeriesQueryPerformance;
    TLineSeries SeriesRDTSC;
    TLineSeries Series3;

    // The results as records: Series0 for DBGrid1, DBGrid3 and both navigators, Series1 for
    // DBGrid2.
    TSeriesDataSet Series0DataSet;
    TSeriesDataSet SeriesDataSet2;
    TDataSource Series0DataSource;
    TDataSource DataSource2;

    // The windows the charts show in (objects named DBChart1, DBChart2, DBChart3). Declared
    // after the charts, so that each goes before the chart it refers to.
    std::unique_ptr<TChartWidget> DBChart1Widget;
    std::unique_ptr<TChartWidget> DBChart2Widget;
    std::unique_ptr<TChartWidget> DBChart3Widget;

    // Handlers of the reaction test.
    void KreniButtonClick();
    void RTimerTimer();
    void RPanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void ResetButtonClick();

    // Handlers of the result files and chart pictures: save and import the results (page 2),
    // save and print the results chart (page 2) and the histogram (page 3).
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button6Click();
    void Button7Click();

    // Handlers of the histogram (page 3) and the timer calibration (page 4).
    void Button5Click();
    void HistoSpinEditChange();
    void ButtonIzmeriClick();

    // State of the reaction test.
    bool StimulusShown() const { return stimulusShown_; }
    std::int64_t StartCount() const { return startCount_; }

    // The memo gets a line at its end, scrolled into view.
    void AppendMemoLine(const QString& line);
    // The status bar's one text.
    void SetStatusText(const QString& text);

private:
    void CreatePage1();
    void CreatePage2();
    void CreatePage3();
    void CreatePage4();
    // The charts with their settings and series, and the datasets over the series.
    void CreateCharts();
    void CreateDataSets();
    void FormCreate();
    void FormDestroy();
    TSpinEdit* CreateSpinEdit(int value, QWidget* page);

    // The last step of a response: keep the measured time as the next result.
    void RecordResult(double milliseconds);
    // The thread's priority, raised while a trial is armed or its stimulus shown.
    void KeepPriorityRaised(bool raised);
    // True when every point of Series0 was written by the last calibration run.
    bool Series0HoldsOnlyCalibration() const;
    // Results join Series0 after the existing ones, and the grids show them.
    void AppendResults(std::span<const double> milliseconds);
    void SaveChartPicture(TDBChart& chart, QString& path);
    void PrintChartPicture(TDBChart& chart, const QString& documentName);
    // What the user typed into a grid and has not confirmed yet is posted before an action
    // reads or replaces the results. A text the grid refuses raises EAbort: the grid shows why
    // and keeps the text in its cell, and the action stops.
    void SettlePendingEdits();
    // Drops an unconfirmed edit, for a result that must be recorded whatever was typed.
    void DropPendingEdits();

protected:
    // Closing posts a pending edit first; a refused one asks before it is lost.
    void closeEvent(QCloseEvent* event) override;

private:
    platform::Services services_;
    ProcessorClock& processorClock_;
    platform::RandomGenerator random_;
    AccessKeys* accessKeys_ = nullptr;

    // Where the file dialogs start; each remembers the last file picked.
    QString resultsPath_;
    QString chartPicturePath_;
    QString histogramPicturePath_;

    bool stimulusShown_ = false;
    std::int64_t startCount_ = 0;
    bool priorityRaised_ = false;
    platform::SchedulingState savedPriority_;
    // The points (X, Y) the last calibration run wrote to Series0: a run replaces the results
    // without asking only when Series0 holds nothing else.
    std::vector<std::pair<double, double>> calibrationPoints_;
};
