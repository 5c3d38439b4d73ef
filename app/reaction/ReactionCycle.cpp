// The handlers of one reaction trial: start, stimulus, response, reset.
#include "Button.h"
#include "Guarded.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "NumberText.h"
#include "Panel.h"
#include "PressArrival.h"
#include "ReactionTexts.h"
#include "WindowTimer.h"

#include <QLabel>
#include <cmath>

void TMainForm::KreniButtonClick() {
    RPanel->SetColor(clYellow);
    RPanel->SetCaption(ReactionTexts::Waiting());
    KreniButton->SetEnabled(false);
    UsePresenter();
    // The subject must see the yellow panel before the thread blocks for seconds.
    RPanel->PaintNow();
    waitingPaintedAt_ = services_.eventClock.Now();

    random_.Reseed(std::uint32_t(services_.counter.Counter()));
    processorClock_.MeasureCpuClock(1000);
    services_.sleeper.Sleep(random_.Next(4000));
    // The stimulus is drawn ahead, at the end of the wait so that it is still in the processor's
    // cache when the tick copies it: the tick only hands the finished panel over.
    RPanel->PrepareLook(clLime, ReactionTexts::Stimulus());
    frameOnset_.Forget();
    // A blank seen just before the stimulus keeps the frame period up to date.
    if (presenter_)
        presenter_->NotifyNextBlank();

    // From arming to the response the thread only waits for the tick and the press; the
    // system should wake it for them before any other work.
    KeepPriorityRaised(true);
    // The last step before arming, so that nothing else adds to the measured time.
    startCount_ = services_.counter.Counter();
    LatencyStamps::Set(LatencyStamps::Armed, startCount_);
    RTimer->SetEnabled(true);
}

void TMainForm::RTimerTimer() {
    if (stimulusShown_)
        return;
    stimulusShown_ = true;
    KreniButton->SetEnabled(false);
    if (presenter_) {
        // The green goes to the screen at the next vertical blank; the time counts from the
        // blank the screen reports for it.
        const std::int64_t counterNow = services_.counter.Counter();
        const std::int64_t clockNow = presenter_->ClockNowNs();
        const std::uint32_t serial = RPanel->PresentLook(clLime, ReactionTexts::Stimulus());
        frameOnset_.Presented(serial, counterNow, clockNow, services_.counter.Frequency());
    } else {
        RPanel->SetColor(clLime);
        RPanel->SetCaption(ReactionTexts::Stimulus());
        // The measured time runs until the subject sees green: the frame goes to the window
        // system now, as the tick's last step, rather than at a later repaint request.
        RPanel->PaintNow();
    }
    frameHandedCount_ = services_.counter.Counter();
    LatencyStamps::Set(LatencyStamps::FrameHanded, frameHandedCount_);
}

void TMainForm::UsePresenter() {
    if (presenterTried_ || !services_.presenters.Available())
        return;
    presenterTried_ = true;
    presenter_ = services_.presenters.ForWindow(std::uintptr_t(RPanel->winId()));
    if (!presenter_)
        return;
    presenter_->OnComplete = [this](const platform::FrameCompletion& c) { FrameCompleted(c); };
    RPanel->PresentThrough(presenter_.get());
    // The first of two blanks the frame period is measured between before the first stimulus.
    presenter_->NotifyNextBlank();
}

void TMainForm::FrameCompleted(const platform::FrameCompletion& completion) {
    if (!frameOnset_.Completed(completion))
        return;
    LatencyStamps::Set(LatencyStamps::Onset, *frameOnset_.OnsetCount());
    RPanel->FrameShown();
}

AccuracyFacts TMainForm::TrialAccuracy(bool synchronized, std::int64_t stopCount) {
    AccuracyFacts facts;
    facts.synchronized = synchronized;
    if (const auto period = frameOnset_.FramePeriodMs())
        facts.refreshHz = 1000.0 / *period;
    else
        facts.refreshHz = services_.timingFacts.RefreshHz();
    facts.composited = services_.timingFacts.Composited();
    facts.mousePollingHz = services_.timingFacts.MousePollingHz();
    const double countsPerMs = double(services_.counter.Frequency()) / 1000.0;
    // Counted from the arming, the time holds the way to the green frame; and every result holds
    // the way from the press's arrival to the stop count.
    if (!synchronized)
        facts.programLagMs += double(frameHandedCount_ - startCount_) / countsPerMs;
    const std::optional<std::int64_t> arrived = PressArrival::Last();
    if (arrived && *arrived <= stopCount && *arrived >= frameHandedCount_)
        facts.programLagMs += double(stopCount - *arrived) / countsPerMs;
    return facts;
}

void TMainForm::RPanelMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    if (stimulusShown_) {
        // The stop count first: everything else happens after it.
        const std::int64_t stopCount = services_.counter.Counter();
        LatencyStamps::Set(LatencyStamps::Stopped, stopCount);
        LatencyStamps::Set(LatencyStamps::PressEntered, PressArrival::Last().value_or(0));
        KeepPriorityRaised(false);
        const std::int64_t frequency = services_.counter.Frequency();
        // From the frame that showed the green where the screen reported it; otherwise, and for
        // a press before that report, from the arming as ever.
        const std::optional<std::int64_t> onset = frameOnset_.OnsetCount();
        const bool synchronized = onset.has_value();
        const std::int64_t from = synchronized ? *onset : startCount_;
        const double ms = double((stopCount - from) * 1000) / double(frequency);
        const AccuracyFacts accuracy = TrialAccuracy(synchronized, stopCount);
        frameOnset_.Forget();

        const QString text = FormatFixed(ms, 0);
        AppendMemoLine(ReactionTexts::ResultLine(text));
        RTimer->SetEnabled(false);
        RPanel->SetCaption(ReactionTexts::ResultCaption(text));
        RPanel->SetColor(clBtnFace);
        stimulusShown_ = false;
        AccuracyLine->setText(AccuracyText(accuracy));
        RecordResult(ms, synchronized ? store::Onset::Frame : store::Onset::Drawing,
                     UncertaintyMs(accuracy));
        LatencyStamps::WriteResponse(ms);
        return;
    }
    if (RTimer->Enabled()) {
        AppendMemoLine(ReactionTexts::TooEarly());
        ResetButtonClick();
        // The press is handled only after the wait: its own stamp tells when it happened.
        std::optional<double> ms;
        if (waitingPaintedAt_ && RPanel->PressTimestamp())
            ms = platform::EventClockSpan(*waitingPaintedAt_, *RPanel->PressTimestamp());
        RecordFalseStart(ms);
    }
}

void TMainForm::ResetButtonClick() {
    RTimer->SetEnabled(false);
    frameOnset_.Forget();
    KeepPriorityRaised(false);
    stimulusShown_ = false;
    RPanel->SetColor(clRed);
    KreniButton->SetEnabled(true);
    RPanel->SetCaption(ReactionTexts::Idle());
}

void TMainForm::RecordResult(double milliseconds, store::Onset onset, double uncertaintyMs) {
    // Stored to the even neighbour on an exact half, unlike the texts (234.5 shows as 235 and
    // is stored as 234); nearbyint does so in the default rounding mode.
    const double rounded = std::nearbyint(milliseconds);
    // The result is kept whatever was typed into a grid: an edit the grid refuses is dropped.
    if (!Guarded(services_.errors, [this] { SettlePendingEdits(); }))
        DropPendingEdits();
    // An opened session or a calibration run takes no new trials: this one starts a session.
    if (!sessionTakesTrials_)
        StartNewSession();
    AppendResults({&rounded, 1}, store::RowKind::Measured, onset, uncertaintyMs);
}

void TMainForm::KeepPriorityRaised(bool raised) {
    if (raised == priorityRaised_)
        return;
    priorityRaised_ = raised;
    if (raised) {
        savedPriority_ = services_.priority.Current();
        services_.priority.SetTimeCritical();
    } else {
        services_.priority.Restore(savedPriority_);
    }
}
