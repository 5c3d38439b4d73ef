// The handlers of one reaction trial: start, stimulus, response, reset.
#include "Button.h"
#include "Guarded.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "NumberText.h"
#include "Panel.h"
#include "ReactionTexts.h"
#include "WindowTimer.h"

#include <cmath>

void TMainForm::KreniButtonClick() {
    RPanel->SetColor(clYellow);
    RPanel->SetCaption(ReactionTexts::Waiting());
    KreniButton->SetEnabled(false);
    // The subject must see the yellow panel before the thread blocks for seconds.
    RPanel->PaintNow();
    waitingPaintedAt_ = services_.eventClock.Now();

    random_.Reseed(std::uint32_t(services_.counter.Counter()));
    processorClock_.MeasureCpuClock(1000);
    services_.sleeper.Sleep(random_.Next(4000));
    // The stimulus is drawn ahead, at the end of the wait so that it is still in the processor's
    // cache when the tick copies it: the tick only hands the finished panel over.
    RPanel->PrepareLook(clLime, ReactionTexts::Stimulus());

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
    RPanel->SetColor(clLime);
    KreniButton->SetEnabled(false);
    RPanel->SetCaption(ReactionTexts::Stimulus());
    // The measured time runs until the subject sees green: the frame goes to the window system
    // now, as the tick's last step, rather than at a later repaint request.
    RPanel->PaintNow();
    LatencyStamps::StampOnce(LatencyStamps::FrameHanded);
}

void TMainForm::RPanelMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    if (stimulusShown_) {
        // The stop count first: everything else happens after it.
        const std::int64_t stopCount = services_.counter.Counter();
        LatencyStamps::Set(LatencyStamps::Stopped, stopCount);
        KeepPriorityRaised(false);
        const std::int64_t frequency = services_.counter.Frequency();
        const double ms = double((stopCount - startCount_) * 1000) / double(frequency);

        const QString text = FormatFixed(ms, 0);
        AppendMemoLine(ReactionTexts::ResultLine(text));
        RTimer->SetEnabled(false);
        RPanel->SetCaption(ReactionTexts::ResultCaption(text));
        RPanel->SetColor(clBtnFace);
        stimulusShown_ = false;
        RecordResult(ms);
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
    KeepPriorityRaised(false);
    stimulusShown_ = false;
    RPanel->SetColor(clRed);
    KreniButton->SetEnabled(true);
    RPanel->SetCaption(ReactionTexts::Idle());
}

void TMainForm::RecordResult(double milliseconds) {
    // Stored to the even neighbour on an exact half, unlike the texts (234.5 shows as 235 and
    // is stored as 234); nearbyint does so in the default rounding mode.
    const double rounded = std::nearbyint(milliseconds);
    // The result is kept whatever was typed into a grid: an edit the grid refuses is dropped.
    if (!Guarded(services_.errors, [this] { SettlePendingEdits(); }))
        DropPendingEdits();
    // An opened session or a calibration run takes no new trials: this one starts a session.
    if (!sessionTakesTrials_)
        StartNewSession();
    AppendResults({&rounded, 1}, store::RowKind::Measured);
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
