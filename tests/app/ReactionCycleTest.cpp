#include "FormFixture.h"
#include "ReactionTexts.h"

#include <QMouseEvent>
#include <QScreen>

namespace {

enum class State { Idle, Armed, Stimulus, Result };

struct Expected {
    TColor color;
    QString caption;
    bool kreniEnabled;
    bool timerOn;
    bool stimulus;
};

Expected For(State s) {
    switch (s) {
    case State::Idle:
        return {clRed, ReactionTexts::Idle(), true, false, false};
    case State::Armed:
        return {clYellow, ReactionTexts::Waiting(), false, true, false};
    case State::Stimulus:
        return {clLime, ReactionTexts::Stimulus(), false, true, true};
    case State::Result:
        return {clBtnFace, {}, false, false, false};
    }
    return {};
}

} // namespace

class ReactionCycle : public FormFixture {
protected:
    void ExpectState(State s) {
        const Expected e = For(s);
        EXPECT_EQ(form->RPanel->Color(), e.color);
        if (!e.caption.isEmpty()) {
            EXPECT_EQ(form->RPanel->Caption(), e.caption);
        }
        EXPECT_EQ(form->KreniButton->isEnabled(), e.kreniEnabled);
        EXPECT_EQ(form->RTimer->Enabled(), e.timerOn);
        EXPECT_EQ(form->StimulusShown(), e.stimulus);
    }

    // A panel painted the plain way, beside the form's, for comparison.
    QImage PaintedAfresh(TColor color, const QString& caption) {
        TPanel plain(form->TabSheet1);
        plain.setGeometry(form->RPanel->geometry());
        plain.SetColor(color);
        plain.SetCaption(caption);
        return plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The panel's pixels as the window's backing store holds them, which is what a flush shows.
    QImage PanelInWindowStore() {
        const QRect area(form->RPanel->mapTo(form.get(), QPoint(0, 0)), form->RPanel->size());
        return form->screen()
            ->grabWindow(form->winId())
            .toImage()
            .copy(area)
            .convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(ReactionCycle, StartsIdleWithFocusOnStartAndTheTimerResolutionRaised) {
    ExpectState(State::Idle);
    EXPECT_EQ(MemoLines(), QStringList{"Rezultati merenja:"});
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form->KreniButton);
    EXPECT_EQ(fakes.timerResolution.begun, std::vector<unsigned>{1});
    form.reset();
    EXPECT_EQ(fakes.timerResolution.ended, std::vector<unsigned>{1});
}

TEST_F(ReactionCycle, StartMeasuresTheClockSleepsARandomWaitAndArms) {
    fakes.clock.Set(0x1234'0000'5678);
    form->KreniButtonClick();
    ExpectState(State::Armed);
    ASSERT_EQ(fakes.clock.sleeps.size(), 2u);
    EXPECT_EQ(fakes.clock.sleeps[0], 1000u) << "the processor clock is measured over a second";
    EXPECT_LT(fakes.clock.sleeps[1], 4000u);
    EXPECT_EQ(fakes.priority.raised, 2) << "for the clock measurement, and again from the arming";
    // The generator was reseeded from the low 32 bits of the counter.
    platform::RandomGenerator expected;
    expected.Reseed(0x0000'5678);
    EXPECT_EQ(fakes.clock.sleeps[1], expected.Next(4000));
    EXPECT_EQ(form->StartCount(),
              0x1234'0000'5678 + std::int64_t(1000 + fakes.clock.sleeps[1]) * 1'000'000);
}

TEST_F(ReactionCycle, FullTrialWritesTheTimeToMemoAndPanel) {
    form->KreniButtonClick();
    Tick();
    ExpectState(State::Stimulus);
    Tick(); // further ticks change nothing
    ExpectState(State::Stimulus);
    fakes.clock.AdvanceMs(287.25);
    Press(Qt::RightButton);
    ExpectState(State::Result);
    EXPECT_EQ(MemoLines().last(), "Vreme reakcije je 287 ms.");
    EXPECT_EQ(form->RPanel->Caption(),
              "Vreme reakcije je 287 ms. Kliknite na dugme \"Reset\" ili pritisnite taster \"R\" "
              "na tastaturi za novo merenje.");
}

TEST_F(ReactionCycle, ExactHalvesRoundAwayFromZeroInTheTexts) {
    for (auto [ms, text] : {std::pair{234.5, "235"}, std::pair{235.5, "236"}}) {
        form->ResetButtonClick();
        RunTrialWithResponseAfter(ms);
        EXPECT_EQ(MemoLines().last(), QString("Vreme reakcije je %1 ms.").arg(text));
    }
}

TEST_F(ReactionCycle, MiddleButtonAndDoubleClickCountOnce) {
    form->KreniButtonClick();
    Tick();
    fakes.clock.AdvanceMs(300);
    QTest::mouseDClick(form->RPanel, Qt::MiddleButton, {}, QPoint(10, 10));
    ExpectState(State::Result);
    EXPECT_EQ(MemoLines().size(), 2) << "the second press of the double click finds a result";
}

TEST_F(ReactionCycle, EarlyPressResetsWithAMemoLineAndASecondPressDoesNothing) {
    form->KreniButtonClick();
    Press();
    ExpectState(State::Idle);
    EXPECT_EQ(MemoLines().last(), ReactionTexts::TooEarly());
    Press();
    EXPECT_EQ(MemoLines().size(), 2);
}

TEST_F(ReactionCycle, PressesOnARedPanelOrAResultDoNothing) {
    Press();
    ExpectState(State::Idle);
    RunTrialWithResponseAfter(250);
    const QString caption = form->RPanel->Caption();
    Press(Qt::RightButton);
    ExpectState(State::Result);
    EXPECT_EQ(form->RPanel->Caption(), caption);
    EXPECT_EQ(MemoLines().size(), 2);
}

TEST_F(ReactionCycle, PriorityStaysRaisedFromTheArmingToTheEndOfTheTrial) {
    const platform::SchedulingState normal = fakes.priority.state;
    const struct {
        const char* name;
        std::function<void()> end;
    } endings[] = {
        {"press too early", [this] { Press(); }},
        {"response",
         [this, normal] {
             Tick();
             EXPECT_NE(fakes.priority.state, normal) << "still raised while green";
             fakes.clock.AdvanceMs(250);
             Press();
         }},
        {"reset while green",
         [this] {
             Tick();
             form->ResetButtonClick();
         }},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        form->ResetButtonClick();
        form->KreniButtonClick();
        EXPECT_NE(fakes.priority.state, normal) << "raised once armed";
        ending.end();
        EXPECT_EQ(fakes.priority.state, normal);
    }
}

TEST_F(ReactionCycle, ResetFromEveryStateReturnsToIdleWithoutAMemoLine) {
    for (int reached = 0; reached < 3; ++reached) {
        form->KreniButtonClick();
        if (reached >= 1)
            Tick();
        if (reached >= 2)
            Press();
        const int lines = MemoLines().size();
        form->ResetButtonClick();
        ExpectState(State::Idle);
        EXPECT_EQ(MemoLines().size(), lines);
    }
}

TEST_F(ReactionCycle, InputDuringTheWaitIsHandledAfterItAndBeforeTheFirstTick) {
    // A press made while the start handler sleeps arrives as queued input.
    fakes.clock.onSleep = [this](std::uint32_t ms) {
        if (ms == 1000)
            return;
        QCoreApplication::postEvent(
            form->RPanel, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    };
    form->KreniButtonClick();
    ExpectState(State::Armed);
    Tick();
    ExpectState(State::Idle);
    EXPECT_EQ(MemoLines().last(), ReactionTexts::TooEarly());
}

TEST_F(ReactionCycle, ResetDuringTheWaitNeverShowsTheStimulus) {
    fakes.clock.onSleep = [this](std::uint32_t ms) {
        if (ms != 1000)
            QCoreApplication::postEvent(
                form->KreniButton->window(),
                new QKeyEvent(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, "r"));
    };
    form->KreniButtonClick();
    Tick();
    ExpectState(State::Idle);
    EXPECT_EQ(MemoLines().size(), 1);
}

TEST_F(ReactionCycle, KeysStartAndResetWhereTheyAct) {
    QTest::keyClick(form->KreniButton, Qt::Key_Return);
    ExpectState(State::Armed);
    EXPECT_NE(QApplication::focusWidget(), form->ResetButton)
        << "the disabled Start hands the focus to the window, not to its neighbour";
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                    Qt::Key_E);
    EXPECT_EQ(fakes.clock.sleeps.size(), 2u) << "E does nothing while Start is disabled";
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                    Qt::Key_R);
    ExpectState(State::Idle);

    form->KreniButton->setFocus();
    QTest::keyClick(form->KreniButton, Qt::Key_Space);
    ExpectState(State::Armed);
    form->ResetButtonClick();
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ShiftModifier);
    ExpectState(State::Armed);
}

namespace {

// The panel's look and the trial's state at every paint of the panel.
class PaintRecorder : public QObject {
public:
    struct Frame {
        TColor color;
        QString caption;
        bool stimulus;
        bool kreniEnabled;
    };

    explicit PaintRecorder(TMainForm& form) : form_(form) { form.RPanel->installEventFilter(this); }
    std::vector<Frame> frames;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            frames.push_back({form_.RPanel->Color(), form_.RPanel->Caption(), form_.StimulusShown(),
                              form_.KreniButton->isEnabled()});
        return false;
    }

private:
    TMainForm& form_;
};

} // namespace

TEST_F(ReactionCycle, TheTickPaintsTheGreenPanelItselfAsItsLastStep) {
    form->KreniButtonClick();
    PaintRecorder paints(*form);
    Tick();
    ASSERT_FALSE(paints.frames.empty()) << "painted within the tick, not at a later request";
    const PaintRecorder::Frame& last = paints.frames.back();
    EXPECT_EQ(last.color, clLime);
    EXPECT_EQ(last.caption, ReactionTexts::Stimulus());
    EXPECT_TRUE(last.stimulus) << "the state is complete before the frame goes out";
    EXPECT_FALSE(last.kreniEnabled);
}

TEST_F(ReactionCycle, TheGreenPanelPreparedDuringTheWaitLooksAsOnePaintedAfresh) {
    for (const bool resizedBeforeTheTick : {false, true}) {
        SCOPED_TRACE(resizedBeforeTheTick ? "resized before the tick" : "same size");
        form->ResetButtonClick();
        form->KreniButtonClick();
        EXPECT_EQ(form->RPanel->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  PaintedAfresh(clYellow, ReactionTexts::Waiting()))
            << "the prepared look shows only once the panel takes it";
        if (resizedBeforeTheTick) {
            form->resize(form->size() + QSize(40, 30));
            QCoreApplication::processEvents();
        }
        Tick();
        const QImage green = PaintedAfresh(clLime, ReactionTexts::Stimulus());
        EXPECT_EQ(form->RPanel->grab().toImage().convertToFormat(QImage::Format_RGB32), green);
        EXPECT_EQ(PanelInWindowStore(), green);
    }
}

TEST_F(ReactionCycle, AWindowExposedWhileArmedShowsTheWaitingPanelAndTheTickStillTheGreen) {
    form->KreniButtonClick();
    // The window system asks for the window again, as when another window stops covering it.
    QExposeEvent expose(QRegion(form->rect()));
    QCoreApplication::sendEvent(form->windowHandle(), &expose);
    EXPECT_EQ(PanelInWindowStore(), PaintedAfresh(clYellow, ReactionTexts::Waiting()));
    Tick();
    EXPECT_EQ(PanelInWindowStore(), PaintedAfresh(clLime, ReactionTexts::Stimulus()));
}
