#pragma once

#include "ChartWidget.h"
#include "DBChart.h"
#include "Platform.h"
#include "ProcessorClock.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>

class AccessKeys;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QStatusBar;
class TButton;
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

    // --- Charts of pages 2 to 4 and the widgets that show them --------------------------
    // The widgets are declared after the charts, so they go before the charts they refer to.
    std::unique_ptr<TDBChart> DBChart1;
    std::unique_ptr<TDBChart> DBChart2;
    std::unique_ptr<TDBChart> DBChart3;
    std::unique_ptr<TChartWidget> DBChart1Widget;
    std::unique_ptr<TChartWidget> DBChart2Widget;
    std::unique_ptr<TChartWidget> DBChart3Widget;

    // Handlers of the reaction test.
    void KreniButtonClick();
    void RTimerTimer();
    void RPanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void ResetButtonClick();
    void Button1Click() {}

    // State of the reaction test.
    bool StimulusShown() const { return stimulusShown_; }
    std::int64_t StartCount() const { return startCount_; }

    // The memo gets a line at its end, scrolled into view.
    void AppendMemoLine(const QString& line);

private:
    void CreatePage1();
    void CreatePage2();
    void CreatePage3();
    void CreatePage4();
    // The three charts with their settings, at their boxes on pages 2 to 4 (MainFormCharts.cpp).
    void CreateCharts();
    void FormCreate();
    void FormDestroy();
    TSpinEdit* CreateSpinEdit(int value, QWidget* page);

    // The last step of a response: keep the measured time as the next result.
    void RecordResult(double milliseconds);

    platform::Services services_;
    ProcessorClock& processorClock_;
    platform::RandomGenerator random_;
    AccessKeys* accessKeys_ = nullptr;

    bool stimulusShown_ = false;
    std::int64_t startCount_ = 0;
};
