// The timer calibration of page 4, on the fake clock: every sleep lasts exactly as long as asked
// unless a test stretches it.
#include "DBGrid.h"
#include "FormFixture.h"
#include "SpinEdit.h"

#include <QLabel>
#include <QLocale>
#include <map>
#include <stdexcept>

namespace {

const QString ReplaceQuestion =
    QStringLiteral("Kalibracija će zameniti rezultate merenja iz tabele. Nastaviti?");

struct TimerCalibration : FormFixture {
    void SetUp() override {
        FormFixture::SetUp();
        fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, 2400);
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        FormFixture::TearDown();
    }

    void Run(int sleep, int iterations) {
        form->SpinEditSleep->SetValue(sleep);
        form->SpinEditIter->SetValue(iterations);
        form->ButtonIzmeri->click();
    }
    // Sleeps of `sleep` ms in the order they were taken, the clock measurement left out.
    std::vector<std::uint32_t> TimedSleeps() const {
        return {fakes.clock.sleeps.begin() + 1, fakes.clock.sleeps.end()};
    }
    static std::vector<double> Y(const TChartSeries& s) {
        std::vector<double> v;
        for (int i = 0; i < s.PointCount(); ++i)
            v.push_back(s.YValues().ValueAt(i));
        return v;
    }
    std::vector<TChartSeries*> SixSeries() const {
        return {&form->Series0,     &form->Series1, &form->Series2, &form->SeriesQueryPerformance,
                &form->SeriesRDTSC, &form->Series3};
    }
    // Sleeps of the run (0-based, the clock measurement not counted) that last longer (or
    // shorter) than asked, by milliseconds.
    void Stretch(std::map<int, double> extraMs) {
        fakes.clock.onSleep = [this, extraMs, seen = -1](std::uint32_t ms) mutable {
            if (ms == 1000)
                return;
            if (auto it = extraMs.find(++seen); it != extraMs.end())
                fakes.clock.AdvanceMs(it->second);
        };
    }
};

} // namespace

TEST_F(TimerCalibration, ExactSleepsFillSixSeriesAndReportNoDeviation) {
    fakes.clock.stepPerRead = 0;
    platform::SchedulingState duringSleeps{-1, -1, -1};
    fakes.clock.onSleep = [&](std::uint32_t ms) {
        if (ms == 17)
            duringSleeps = fakes.priority.state;
    };
    Run(17, 100);

    EXPECT_EQ(MemoLines().mid(1),
              (QStringList{"Sleep 17 ms +- 1ms.", "CPU takt: 2400.0000 MHz",
                           "CPUgetspeed: 2400 MHz", "QueryPerf overhead: 0",
                           "QueryPerf: +0.000 -0.000", "Moj RDTSC: +0.000 -0.000"}));
    EXPECT_EQ(form->MainStatusText->text(),
              "QueryPerformance: +0.000 -0.000 ms. RDTSC: +0.000 -0.000 ms");
    EXPECT_EQ(fakes.clock.sleeps.front(), 1000u) << "the clock is measured over a second";
    EXPECT_EQ(TimedSleeps(), std::vector<std::uint32_t>(100, 17));
    for (TChartSeries* s : SixSeries()) {
        ASSERT_EQ(s->PointCount(), 100);
        EXPECT_EQ(s->XValues().ValueAt(99), 99);
    }
    EXPECT_EQ(Y(form->Series0), std::vector<double>(100, 17));
    // Cycle counts at 2400 MHz, truncated by the fake counter: 17 ms within a cycle or two.
    EXPECT_NEAR(form->Series1.YValues().MinimumValue(), 17, 1e-6);
    EXPECT_NEAR(form->Series1.YValues().MaximumValue(), 17, 1e-6);
    EXPECT_EQ(Y(form->Series2), std::vector<double>(100, 17));
    EXPECT_EQ(Y(form->Series3), std::vector<double>(100, 0));

    // Only the clock measurement ran time-critical; the sleeps ran as the thread was.
    EXPECT_EQ(fakes.priority.raised, 1);
    EXPECT_EQ(duringSleeps, (platform::SchedulingState{0, 0, 5}));
    EXPECT_EQ(fakes.priority.state, (platform::SchedulingState{0, 0, 5}));

    // The grids of page 4 and the results table show the run.
    EXPECT_EQ(form->DBGrid3->model()->rowCount(), 100);
    EXPECT_EQ(form->DBGrid2->model()->rowCount(), 100);
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 100);
    EXPECT_EQ(*form->SeriesDataSet2.RecordIds(), *form->Series0DataSet.RecordIds());
    EXPECT_TRUE(form->ButtonIzmeri->isEnabled());
    EXPECT_EQ(fakes.beep.count, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TimerCalibration, DeviationsAreWrittenWithTheLocalesSeparatorAndCyclesRoundToWholeMs) {
    QLocale::setDefault(QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia));
    Stretch({{2, 1.2}, {5, -0.5}}); // 18.2 ms and 16.5 ms
    fakes.clock.stepPerRead = 40;   // ns between two readings of the counter
    Run(17, 8);

    const std::vector<double> q = Y(form->SeriesQueryPerformance);
    ASSERT_EQ(q.size(), 8u);
    EXPECT_NEAR(q[2], 1.2, 1e-4);
    EXPECT_NEAR(q[5], -0.5, 1e-4);
    EXPECT_NEAR(Y(form->SeriesRDTSC)[2], 1.2, 1e-4);
    // Cycle counts in whole milliseconds: 18.2 → 18, 16.5 → 16 (an exact half to even).
    std::vector<double> c = Y(form->Series3);
    EXPECT_EQ(c, (std::vector<double>{0, 0, 1, 0, 0, -1, 0, 0}));
    EXPECT_EQ(form->Series2.YValues().MinimumValue(), 17);

    EXPECT_EQ(MemoLines()[2], "CPU takt: 2400,0000 MHz");
    EXPECT_EQ(MemoLines()[4], "QueryPerf overhead: 40");
    EXPECT_EQ(MemoLines().mid(5),
              (QStringList{"QueryPerf: +1,200 -0,500", "Moj RDTSC: +1,200 -0,500"}));
    EXPECT_EQ(form->MainStatusText->text(),
              "QueryPerformance: +1,200 -0,500 ms. RDTSC: +1,200 -0,500 ms");
}

TEST_F(TimerCalibration, NoIterationsEmptyTheSeriesAndTables) {
    Run(17, 5);
    Run(17, 0);
    for (TChartSeries* s : SixSeries())
        EXPECT_EQ(s->PointCount(), 0);
    EXPECT_EQ(form->Series0DataSet.RecordCount(), 0);
    EXPECT_EQ(form->DBGrid2->model()->rowCount(), 0);
    EXPECT_EQ(MemoLines().last(), "Moj RDTSC: +0.000 -0.000");
    EXPECT_EQ(fakes.clock.sleeps.size(), 1u + 5u + 1u);
}

// Runs that would block the window for weeks, hours or exhaust memory are refused before
// anything changes; the limits themselves still run.
TEST_F(TimerCalibration, RunsPastTheLimitsAreRefusedBeforeAnythingChanges) {
    struct Case {
        const char* name;
        int sleep, iterations;
        const char* message;
    };
    const Case cases[] = {
        {"negative sleep", -1, 100, "Sleep vrednost ne može biti negativna."},
        {"over ten minutes", 6001, 100, "Kalibracija bi trajala duže od 10 minuta"},
        {"longest sleep a few times", 2147483647, 3, "Kalibracija bi trajala duže od 10 minuta"},
        {"too many points", 0, 1000001, "Broj merenja ne može biti veći od 1000000."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetResults({250, 260});
        errors.clear();
        fakes.clock.sleeps.clear();
        const QStringList memo = MemoLines();
        Run(c.sleep, c.iterations);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8(c.message))) << errors[0].toStdString();
        EXPECT_TRUE(questions.isEmpty());
        EXPECT_TRUE(fakes.clock.sleeps.empty());
        EXPECT_EQ(MemoLines(), memo);
        EXPECT_EQ(Y(form->Series0), (std::vector<double>{250, 260}));
        EXPECT_TRUE(form->ButtonIzmeri->isEnabled());
        EXPECT_EQ(fakes.beep.count, 0);
    }
    Run(6000, 100);
    EXPECT_EQ(errors.size(), 1) << "exactly ten minutes runs";
}

TEST_F(TimerCalibration, AFailureDuringTheRunLeavesTheButtonEnabledAndTheTablesTrue) {
    fakes.clock.onSleep = [this, seen = 0](std::uint32_t ms) mutable {
        if (ms == 17 && ++seen == 3)
            throw std::runtime_error("sleep failed");
    };
    Run(17, 10);
    EXPECT_EQ(errors, QStringList{"sleep failed."});
    EXPECT_TRUE(form->ButtonIzmeri->isEnabled());
    EXPECT_EQ(form->Series0.PointCount(), 2);
    EXPECT_EQ(form->Series0DataSet.RecordCount(), 2);
    EXPECT_EQ(form->Series0DataSet.RecordIds()->size(), 2u) << "reopened over the points it has";
    EXPECT_EQ(form->SeriesDataSet2.RecordIds()->size(), 2u);
}

TEST_F(TimerCalibration, AsksBeforeReplacingReactionResultsButNotCalibrationValues) {
    SetResults({250, 260});
    answer = false;
    Run(17, 3);
    EXPECT_EQ(questions, QStringList{ReplaceQuestion});
    EXPECT_EQ(fakes.questions.last.caption, "Tavulin");
    EXPECT_EQ(fakes.questions.last.answers, platform::Question::Answers::YesNo);
    EXPECT_EQ(Y(form->Series0), (std::vector<double>{250, 260})) << "No changes nothing";
    EXPECT_EQ(MemoLines().size(), 1);
    EXPECT_TRUE(fakes.clock.sleeps.empty());
    EXPECT_TRUE(form->ButtonIzmeri->isEnabled());

    answer = true;
    Run(17, 3);
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(Y(form->Series0), (std::vector<double>{17, 17, 17}));

    // Its own values, even with some deleted, are replaced without a question.
    Run(17, 3);
    form->Series0DataSet.Delete();
    Run(17, 3);
    EXPECT_EQ(questions.size(), 2);

    // A value edited in the table, or a new reaction result, is the person's again.
    form->Series0DataSet.Edit();
    form->Series0DataSet.FieldByName("Y").SetAsFloat(250);
    form->Series0DataSet.Post();
    Run(17, 3);
    EXPECT_EQ(questions.size(), 3);
    form->ResetButtonClick();
    RunTrialWithResponseAfter(250);
    Run(17, 3);
    EXPECT_EQ(questions.size(), 4);
}

// The run is a session of its own: the next trial starts a reaction session that the table
// shows alone.
TEST_F(TimerCalibration, AReactionResultAfterARunStartsASessionOfItsOwn) {
    Run(17, 100);
    form->ResetButtonClick();
    RunTrialWithResponseAfter(250);
    ASSERT_EQ(form->Series0.PointCount(), 1);
    EXPECT_EQ(form->Series0.XValues().ValueAt(0), 0);
    EXPECT_EQ(form->Series0.YValues().ValueAt(0), 250);
    EXPECT_EQ(form->Series1.PointCount(), 0);
    EXPECT_EQ(form->CurrentSession().header.kind, store::SessionKind::Reaction);
}
