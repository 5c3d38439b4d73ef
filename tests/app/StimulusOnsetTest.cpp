#include "AccuracyText.h"
#include "FormFixture.h"
#include "ReactionTexts.h"

#include <QLabel>
#include <QLocale>

using Kind = platform::FrameCompletion::Kind;

namespace {

// In the locale of the program's users, whose decimal separator is a comma.
struct SerbianLocale {
    QLocale saved;
    SerbianLocale() { QLocale::setDefault(QLocale(QLocale::Serbian, QLocale::LatinScript)); }
    ~SerbianLocale() { QLocale::setDefault(saved); }
};

TEST(AccuracyText, OneSentenceOfWhatTheResultMayBeOffBy) {
    const SerbianLocale serbian;
    struct Case {
        AccuracyFacts facts;
        const char* text;
    };
    const Case cases[] = {
        {{true, 60, false, 1000, 0.02},
         "Tačnost: ±0,5 ms (ekran 60 Hz, sinhronizovano, miš 1000 Hz)"},
        {{true, 144, true, 1000, 0},
         "Tačnost: ±4,0 ms (ekran 144 Hz, sinhronizovano, uz kompozitor, miš 1000 Hz)"},
        {{false, 60, false, std::nullopt, 1.1},
         "Tačnost: ±8,9 ms (ekran 60 Hz, nesinhronizovano, učestanost miša nepoznata)"},
        {{false, 144, true, 125, 0},
         "Tačnost: ±10,9 ms (ekran 144 Hz, nesinhronizovano, uz kompozitor, miš 125 Hz)"},
        // Nothing known of the screen: its frames are taken for 60 Hz ones.
        {{false, std::nullopt, std::nullopt, 500, 0},
         "Tačnost: ±9,3 ms (učestanost ekrana nepoznata, nesinhronizovano, miš 500 Hz)"},
        {{true, 59.94, false, 1000, 0},
         "Tačnost: ±0,5 ms (ekran 60 Hz, sinhronizovano, miš 1000 Hz)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AccuracyText(c.facts), QString::fromUtf8(c.text));
}

// Trials on a window whose panel presents its frames through a fake presenter.
struct StimulusOnset : FormFixture {
    static constexpr std::int64_t ClockAtTickNs = 9'000'000'000'000;

    void SetUp() override {
        fakes.presenters.available = true;
        fakes.timingFacts.mousePollingHz = 1000;
        FormFixture::SetUp();
    }

    platform::FakeFramePresenter& Presenter() { return *fakes.presenters.last; }

    // Starts a trial and shows the stimulus: the green frame is asked for, not yet shown.
    void StartAndTick() {
        form->KreniButtonClick();
        ASSERT_NE(fakes.presenters.last, nullptr);
        Presenter().clockNs = ClockAtTickNs;
        const std::size_t before = Presenter().presented.size();
        Tick();
        ASSERT_EQ(Presenter().presented.size(), before + 1);
    }

    static constexpr std::uint64_t TickUs = ClockAtTickNs / 1000;

    // The screen reports the green frame `ms` after the tick, at its blank `msc`.
    void FrameShownAfter(double ms, std::uint64_t msc = 1000) {
        const auto ust = TickUs + std::uint64_t(ms * 1000);
        Presenter().Complete(Kind::Frame, Presenter().presented.back(), ust, msc);
    }

    const store::SessionRow& LastRow() { return form->CurrentSession().rows.back(); }
};

TEST_F(StimulusOnset, TheTimeCountsFromTheFrameThatShowedTheGreen) {
    const SerbianLocale serbian;
    StartAndTick();
    // The green goes out as one prepared frame; the panel takes its look with it.
    ASSERT_FALSE(Presenter().prepared.empty());
    const QImage frame = Presenter().prepared.back();
    EXPECT_EQ(frame.pixelColor(frame.width() / 4, frame.height() / 4), QColor(0, 255, 0));
    EXPECT_EQ(form->RPanel->Color(), clLime);
    EXPECT_EQ(form->RPanel->Caption(), ReactionTexts::Stimulus());
    EXPECT_TRUE(form->StimulusShown());

    FrameShownAfter(12.5);
    fakes.clock.AdvanceMs(262.5);
    Press();
    EXPECT_EQ(MemoLines().back(), QStringLiteral("Vreme reakcije je 250 ms."));
    EXPECT_EQ(LastRow().ms, 250);
    EXPECT_EQ(LastRow().onset, store::Onset::Frame);
    EXPECT_NEAR(LastRow().uncertaintyMs, 0.5, 1e-9);
    EXPECT_EQ(form->AccuracyLine->text(),
              QStringLiteral("Tačnost: ±0,5 ms (ekran 60 Hz, sinhronizovano, miš 1000 Hz)"));

    // The next trial presents a frame of its own: a late report of the last one's is no onset.
    const std::uint32_t first = Presenter().presented.back();
    form->ResetButtonClick();
    StartAndTick();
    Presenter().Complete(Kind::Frame, first, TickUs + 5000, 1001);
    fakes.clock.AdvanceMs(200);
    Press();
    EXPECT_EQ(LastRow().onset, store::Onset::Drawing);
}

TEST_F(StimulusOnset, APressBeforeTheFrameIsReportedCountsFromTheArming) {
    StartAndTick();
    fakes.clock.AdvanceMs(180);
    Press();
    EXPECT_EQ(LastRow().ms, 180);
    EXPECT_EQ(LastRow().onset, store::Onset::Drawing);
    // The frame's report after the response belongs to no trial.
    FrameShownAfter(16);
    EXPECT_EQ(form->CurrentSession().rows.size(), 1u);
}

TEST_F(StimulusOnset, ThePeriodOfTheBlanksSeenNamesTheScreen) {
    const SerbianLocale serbian;
    fakes.timingFacts.refreshHz = 60;
    StartAndTick();
    // The blanks asked for at the start and at the end of the wait, 144 frames a second apart.
    ASSERT_EQ(Presenter().blanksAsked.size(), 2u);
    Presenter().Complete(Kind::Blank, Presenter().blanksAsked[0], TickUs - 2'000'000, 1000);
    Presenter().Complete(Kind::Blank, Presenter().blanksAsked[1], TickUs - 1'000'000, 1144);
    FrameShownAfter(3, 1288);
    fakes.clock.AdvanceMs(200);
    Press();
    EXPECT_TRUE(form->AccuracyLine->text().contains(QStringLiteral("ekran 144 Hz")))
        << form->AccuracyLine->text().toStdString();
}

// Where nothing presents frames, the count runs from the arming, as ever, and says so.
TEST_F(FormFixture, WithoutPresentedFramesResultsCountFromTheDrawing) {
    const SerbianLocale serbian;
    RunTrialWithResponseAfter(300);
    const store::SessionRow& row = form->CurrentSession().rows.back();
    EXPECT_EQ(row.ms, 300);
    EXPECT_EQ(row.onset, store::Onset::Drawing);
    EXPECT_NEAR(row.uncertaintyMs, 1000.0 / 60 / 2, 1e-9);
    EXPECT_EQ(form->AccuracyLine->text(),
              QStringLiteral("Tačnost: ±8,3 ms (ekran 60 Hz, nesinhronizovano, učestanost miša "
                             "nepoznata)"));
}

} // namespace
