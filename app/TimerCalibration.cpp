// The handler of page 4: a set sleep timed again and again by the performance counter, by the
// cycle counter with the clock measured at the start, and by the cycle counter with the clock
// the system reports.
#include "AppTitle.h"
#include "Button.h"
#include "MainForm.h"
#include "NumberText.h"
#include "SpinEdit.h"

#include <algorithm>
#include <stdexcept>

namespace {

const char* const ReplaceResultsQuestion = QT_TRANSLATE_NOOP(
    "TMainForm", "Kalibracija će zameniti rezultate merenja iz tabele. Nastaviti?");
const char* const ReplaceKeptResultsQuestion = QT_TRANSLATE_NOOP(
    "TMainForm", "Kalibracija će zameniti rezultate merenja iz tabele; oni ostaju sačuvani "
                 "u svojoj sesiji. Nastaviti?");
const char* const NegativeSleepMessage =
    QT_TRANSLATE_NOOP("TMainForm", "Sleep vrednost ne može biti negativna.");
// A run blocks the window from start to end and keeps every timing: past these it would hold
// the program for hours or exhaust memory.
constexpr std::int64_t LongestRunMs = 10 * 60 * 1000;
constexpr std::int32_t MostIterations = 1000000;
const char* const TooLongRunMessage = QT_TRANSLATE_NOOP(
    "TMainForm", "Kalibracija bi trajala duže od 10 minuta; smanjite Sleep ili broj merenja.");
const char* const TooManyIterationsMessage =
    QT_TRANSLATE_NOOP("TMainForm", "Broj merenja ne može biti veći od 1000000.");

// The largest deviations of a run above and below the set sleep. The extremes start at the
// set sleep, so that both deviations are 0 or more.
struct Extremes {
    explicit Extremes(double set) : set(set), largest(set), smallest(set) {}
    void Take(double v) {
        largest = std::max(largest, v);
        smallest = std::min(smallest, v);
    }
    double Above() const { return largest - set; }
    double Below() const { return set - smallest; }

    double set, largest, smallest;
};

QString Fixed3(double v) {
    return FormatFixed(v, 3);
}

} // namespace

bool TMainForm::Series0HoldsOnlyCalibration() const {
    std::vector<std::pair<double, double>> points;
    points.reserve(std::size_t(Series0.PointCount()));
    for (int i = 0; i < Series0.PointCount(); ++i)
        points.emplace_back(Series0.XValues().ValueAt(i), Series0.YValues().ValueAt(i));
    std::sort(points.begin(), points.end());
    // Deleting calibration records leaves no foreign result behind; an edited, inserted or
    // recorded one is foreign.
    return std::includes(calibrationPoints_.begin(), calibrationPoints_.end(), points.begin(),
                         points.end());
}

void TMainForm::ButtonIzmeriClick() {
    SettlePendingEdits();
    const std::int32_t sleep = SpinEditSleep->Value();
    // The sleep takes an unsigned count: a negative one would block the program for weeks.
    if (sleep < 0)
        throw std::invalid_argument(tr(NegativeSleepMessage).toStdString());
    const std::int32_t iterations = SpinEditIter->Value();
    if (iterations > MostIterations)
        throw std::invalid_argument(tr(TooManyIterationsMessage).toStdString());
    if (std::int64_t(sleep) * std::max(iterations, 0) > LongestRunMs)
        throw std::invalid_argument(tr(TooLongRunMessage).toStdString());
    if (!Series0HoldsOnlyCalibration() &&
        !services_.questions.Confirm({keeper_->HasStore() && keeper_->AllKept()
                                          ? tr(ReplaceKeptResultsQuestion)
                                          : tr(ReplaceResultsQuestion),
                                      ApplicationTitle, platform::Question::Answers::YesNo}))
        return;

    ButtonIzmeri->SetEnabled(false);
    // Reopened, the datasets rebuild their records from the series, so the grids show them.
    const auto reopenDataSets = [this] {
        Series0DataSet.Close();
        Series0DataSet.Open();
        SeriesDataSet2.Close();
        SeriesDataSet2.Open();
    };
    // Whatever ends the run, the button takes clicks again and the grids show the series as
    // they are.
    struct RunEnd {
        TMainForm& form;
        const decltype(reopenDataSets)& reopen;
        bool finished = false;
        ~RunEnd() {
            if (!finished) {
                try {
                    reopen();
                } catch (...) {
                    // The error that ended the run is the one to show.
                }
            }
            form.ButtonIzmeri->SetEnabled(true);
        }
    } runEnd{*this, reopenDataSets};

    for (int i = 0; i < 3; ++i)
        DBChart1.Series(i).RemoveAllPoints();
    for (int i = 0; i < 3; ++i)
        DBChart3.Series(i).RemoveAllPoints();
    calibrationPoints_.clear();

    Extremes q(sleep), r(sleep);
    AppendMemoLine(tr("Sleep %1 ms +- 1ms.").arg(sleep));
    const double clock = processorClock_.MeasureCpuClock(1000);
    AppendMemoLine(tr("CPU takt: %1 MHz").arg(FormatFixed(clock, 4)));
    AppendMemoLine(tr("CPUgetspeed: %1 MHz").arg(processorClock_.CpuGetSpeed()));

    const std::int64_t first = services_.counter.Counter();
    const std::int64_t overhead = services_.counter.Counter() - first;
    const std::int64_t frequency = services_.counter.Frequency();
    AppendMemoLine(tr("QueryPerf overhead: %1").arg(overhead));

    for (std::int32_t n = 0; n < iterations; ++n) {
        // Only the four readings enclose the sleep; everything else comes after them.
        const std::int64_t a = services_.counter.Counter();
        const std::uint64_t startCycles = processorClock_.ReadCycleCounter();
        services_.sleeper.Sleep(std::uint32_t(sleep));
        const std::uint64_t stopCycles = processorClock_.ReadCycleCounter();
        const std::int64_t b = services_.counter.Counter();

        const double rms = double(static_cast<long double>(std::int64_t(stopCycles - startCycles)) /
                                  (static_cast<long double>(clock) * 1000));
        const double qms =
            double(static_cast<long double>((b - a) * 1000) / static_cast<long double>(frequency));
        q.Take(qms);
        r.Take(rms);

        // X grows from 0 on the emptied series, so the list stays sorted.
        const int index = DBChart1.Series(0).AddValue(qms, {}, DefaultPointColor);
        calibrationPoints_.emplace_back(DBChart1.Series(0).XValues().ValueAt(index), qms);
        DBChart1.Series(1).AddValue(rms, {}, DefaultPointColor);
        DBChart1.Series(2).AddValue(sleep, {}, DefaultPointColor);
        DBChart3.Series(0).AddValue(qms - sleep, {}, DefaultPointColor);
        DBChart3.Series(1).AddValue(rms - sleep, {}, DefaultPointColor);
        const std::int64_t c = processorClock_.CyclesToMilliseconds(std::int64_t(stopCycles),
                                                                    std::int64_t(startCycles));
        DBChart3.Series(2).AddValue(double(c - sleep), {}, DefaultPointColor);
    }

    reopenDataSets();
    runEnd.finished = true;

    AppendMemoLine(tr("QueryPerf: +%1 -%2").arg(Fixed3(q.Above()), Fixed3(q.Below())));
    AppendMemoLine(tr("Moj RDTSC: +%1 -%2").arg(Fixed3(r.Above()), Fixed3(r.Below())));
    const QString status =
        tr("QueryPerformance: +%1 -%2 ms. RDTSC: +%3 -%4 ms")
            .arg(Fixed3(q.Above()), Fixed3(q.Below()), Fixed3(r.Above()), Fixed3(r.Below()));
    SetStatusText(status);
    KeepCalibrationRun(QStringLiteral("sleep=%1\niterations=%2\nclock_mhz=%3\ncpu_speed_mhz=%4\n"
                                      "overhead_ticks=%5\nstatus=%6")
                           .arg(sleep)
                           .arg(iterations)
                           .arg(clock, 0, 'g', 17)
                           .arg(processorClock_.CpuGetSpeed())
                           .arg(overhead)
                           .arg(status));
    services_.beep.Sound();
}
