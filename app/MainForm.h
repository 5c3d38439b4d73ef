#pragma once

#include "AccuracyText.h"
#include "BarSeries.h"
#include "ChartWidget.h"
#include "DataSource.h"
#include "FigureTexts.h"
#include "FrameOnset.h"
#include "LineSeries.h"
#include "Platform.h"
#include "ProcessorClock.h"
#include "SeriesDataSet.h"
#include "Session.h"
#include "SessionFigures.h"
#include "SessionKeeper.h"
#include "frame/DBChart.h"
#include "tools/AxisLinesTool.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class AccessKeys;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QStatusBar;
class QTableWidget;
class QTimer;
class TButton;
class TDBGrid;
class TDBNavigator;
class TPanel;
class TSpinEdit;
class TWindowTimer;
class QComboBox;
namespace store {
class TServerLink;
}

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
    QWidget* TabSheet5 = nullptr;
    QStatusBar* MainStatusBar = nullptr;
    QLabel* MainStatusText = nullptr;
    // The right part of the status bar: whether the results are being kept.
    QLabel* StoreStatusText = nullptr;

    TButton* KreniButton = nullptr;
    TPanel* RPanel = nullptr;
    TButton* ResetButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    // The current session's figures, under the panel between the two buttons.
    QLabel* FiguresText = nullptr;
    // How exactly the last result was measured, right under the panel.
    QLabel* AccuracyLine = nullptr;

    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;

    QLabel* Label1 = nullptr;
    // Names the histogram's marker lines, under the chart.
    QLabel* HistogramMarkersText = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button7 = nullptr;
    TSpinEdit* HistoSpinEdit = nullptr;

    QLabel* LabelSleep = nullptr;
    QLabel* LabelIteracije = nullptr;
    TButton* ButtonIzmeri = nullptr;
    TSpinEdit* SpinEditSleep = nullptr;
    TSpinEdit* SpinEditIter = nullptr;

    // Page 5: the kept sessions, of the station chosen (all when the first item is).
    QComboBox* StationFilter = nullptr;
    QTableWidget* SessionsGrid = nullptr;
    TButton* OpenSessionButton = nullptr;
    TButton* NewSessionButton = nullptr;
    TButton* ParticipantButton = nullptr;
    TButton* DeleteSessionButton = nullptr;
    TButton* DeleteParticipantButton = nullptr;
    TButton* ExportSessionsButton = nullptr;
    TButton* ImportSessionsButton = nullptr;
    TButton* SettingsButton = nullptr;

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
    // The median and quartile lines over the histogram's bars; before the charts, which keep
    // a reference to it.
    TAxisLinesTool HistogramMarkers;
    TDBChart DBChart1;
    TDBChart DBChart2;
    TDBChart DBChart3;
    // Page 5: each session's median and mean over its start time.
    TDBChart TrendChart;
    TLineSeries Series0;
    TLineSeries Series1;
    TLineSeries Series2;
    TBarSeries SeriesHistogram;
    TLineSeries SeriesQueryPerformance;
    TLineSeries SeriesRDTSC;
    TLineSeries Series3;
    TLineSeries SeriesTrendMedian;
    TLineSeries SeriesTrendMean;

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
    std::unique_ptr<TChartWidget> TrendChartWidget;

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
    // The median and quartile lines over bars of `width` ms, and the line naming them.
    void MarkHistogram(int width);
    void ButtonIzmeriClick();

    // Handlers of the sessions page.
    void OpenSessionClick();
    void NewSessionClick();
    void ParticipantClick();
    void DeleteSessionClick();
    void DeleteParticipantClick();
    void ExportSessionsClick();
    void ImportSessionsClick();
    void SettingsClick();

    // From now on every session is kept by `keeper`, which outlives the window.
    void KeepSessionsIn(store::TSessionKeeper& keeper);
    // A lab station: what the keeper stores is also sent to the lab server by `link`, which
    // outlives the window, and the sessions page lists every station's sessions.
    void SendSessionsTo(store::TServerLink& link);
    // What the window would write next waits in memory: tries the store again, as the
    // half-minute timer does.
    void RetryStore();
    void RetryServer();
    // Adds to the store's section of the status bar what waits for the lab server.
    void ShowServerStatus();
    // The sessions page's list: the local store's, and on a lab station the other stations'
    // as the server last listed them (with id 0).
    std::vector<store::SessionSummary> ListedSessions() const;
    // The session the results table shows, as kept (no uid while the table is empty).
    const store::Session& CurrentSession() const { return session_; }
    // The sessions list as shown on page 5, newest first; a lab station's is filled in again
    // when the server's list comes.
    void RefreshSessionsList();
    // The session the table shows is another station's: nothing here changes it.
    bool SessionReadOnly() const { return sessionReadOnly_; }
    // The trend chart follows the listed sessions of the participant selected (all without a
    // selection).
    void UpdateTrend();

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
    void CreatePage5();
    // The charts with their settings and series, and the datasets over the series.
    void CreateCharts();
    void CreateTrendChart();
    void CreateDataSets();
    void FormCreate();
    void FormDestroy();
    TSpinEdit* CreateSpinEdit(int value, QWidget* page);

    // The last step of a response: keep the measured time as the next result.
    void RecordResult(double milliseconds, store::Onset onset, double uncertaintyMs);
    // A press before the stimulus: the session keeps it, with its time from the yellow panel
    // where the platform gives one.
    void RecordFalseStart(std::optional<double> milliseconds);
    // The figures line follows the current session.
    void UpdateFigures();
    FigureLimits CurrentFigureLimits() const;
    // The panel's stimulus goes to the screen at a vertical blank where the platform can do so;
    // made at the first trial, once the panel has a window of its own.
    void UsePresenter();
    void FrameCompleted(const platform::FrameCompletion& completion);
    // What is known of the accuracy of the response whose stop count is `stopCount`.
    AccuracyFacts TrialAccuracy(bool synchronized, std::int64_t stopCount);
    // The thread's priority, raised while a trial is armed or its stimulus shown.
    void KeepPriorityRaised(bool raised);
    // True when every point of Series0 was written by the last calibration run.
    bool Series0HoldsOnlyCalibration() const;
    // Results join Series0 after the existing ones, and the grids show them; the session keeps
    // them as rows of `kind`, measured ones with their onset and uncertainty.
    void AppendResults(std::span<const double> milliseconds, store::RowKind kind,
                       store::Onset onset = store::Onset::None, double uncertaintyMs = NAN);
    // The current session takes what the results table now shows, and the store with it; new
    // rows are of `kind`, with the onset and uncertainty of a measured one.
    void SyncSession(store::RowKind kind = store::RowKind::Entered,
                     store::Onset onset = store::Onset::None, double uncertaintyMs = NAN);
    // A calibration run just ended: it becomes a session of its own.
    void KeepCalibrationRun(const QString& settings);
    // Empties the results series and forgets the current session: the next row starts a new
    // one.
    void StartNewSession();
    // Shows a kept session in the results views as it was left; another station's is shown
    // read-only.
    void ShowSession(const store::Session& session, bool readOnly = false);
    // The grids and navigators take edits unless the shown session is another station's.
    void SetSessionReadOnly(bool readOnly);
    void FillSessionsList();
    void FillStationFilter(const std::vector<store::SessionSummary>& list);
    void RequestServerSessions();
    // Another station's session is shown read-only when the server has sent it.
    void OpenServerSession(const QString& uid);
    void ShowServerSession(const std::vector<store::Session>& sessions);
    // With other stations' sessions among `chosen`, asks the server for them and writes the
    // file when they come; false when there are none.
    bool ExportFromServer(const std::vector<store::SessionSummary>& chosen, const QString& path);
    void FinishExport(const std::vector<store::Session>& loaded);
    void WriteExport(const std::vector<store::Session>& sessions, const QString& path);
    void UpdateStoreStatus();
    // The open store, or an error saying why there is none.
    store::TResultsStore& RequireStore();
    // The listed sessions of the rows selected on page 5, in their order.
    std::vector<store::SessionSummary> SelectedSummaries() const;
    // The ids of this station's sessions among them.
    std::vector<std::int64_t> SelectedSessionIds() const;
    // Deletes the sessions from the store, and from the table when it shows one of them.
    void DeleteKeptSessions(store::TResultsStore& store, std::span<const std::int64_t> ids);
    QString Station() const;
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
    // When the tick handed the green frame to the window system.
    std::int64_t frameHandedCount_ = 0;
    std::unique_ptr<platform::FramePresenter> presenter_;
    bool presenterTried_ = false;
    FrameOnset frameOnset_;
    bool priorityRaised_ = false;
    // When the waiting panel was painted, on the clock of the input events' stamps.
    std::optional<std::uint64_t> waitingPaintedAt_;
    platform::SchedulingState savedPriority_;
    // The points (X, Y) the last calibration run wrote to Series0: a run replaces the results
    // without asking only when Series0 holds nothing else.
    std::vector<std::pair<double, double>> calibrationPoints_;

    // Sessions: without a keeper of the program's, nothing is kept beyond the window.
    store::TSessionKeeper noStore_;
    store::TSessionKeeper* keeper_ = &noStore_;
    store::Session session_;
    // An opened session or a calibration run takes no trials: the next one starts a session.
    bool sessionTakesTrials_ = true;
    // The participant label the next session starts with.
    QString participant_;
    QTimer* storeRetry_ = nullptr;
    store::TRunningFigures runningFigures_;
    store::TServerLink* link_ = nullptr;
    bool sessionReadOnly_ = false;
    struct PendingExport {
        QString path;
        std::vector<store::SessionSummary> listed;
    };
    std::optional<PendingExport> pendingExport_;
    // The sessions in the rows of SessionsGrid.
    std::vector<store::SessionSummary> listedSummaries_;
    QString sessionsPath_;
};
