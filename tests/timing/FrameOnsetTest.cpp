#include "FrameOnset.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

using platform::FakeFramePresenter;
using platform::FrameCompletion;
using Kind = platform::FrameCompletion::Kind;

namespace {

// The presenter's clock and a 10 MHz counter with epochs of their own; the completions come
// from a fake presenter, as the window system would send them.
struct FrameOnsetTest : ::testing::Test {
    static constexpr std::int64_t Frequency = 10'000'000;
    static constexpr std::int64_t CounterAtPresent = 5'000'000;
    static constexpr std::uint64_t PresentUs = 7'000'000'000; // the presenter's clock, µs
    FakeFramePresenter presenter;
    FrameOnset onset;
    std::vector<bool> stimulus; // what Completed said of each completion

    FrameOnsetTest() {
        presenter.OnComplete = [this](const FrameCompletion& c) {
            stimulus.push_back(onset.Completed(c));
        };
    }

    std::uint32_t PresentStimulus() {
        presenter.clockNs = std::int64_t(PresentUs) * 1000;
        const std::uint32_t serial = presenter.Present();
        onset.Presented(serial, CounterAtPresent, presenter.clockNs, Frequency);
        return serial;
    }
};

TEST_F(FrameOnsetTest, TheStimulusFramesBlankOnTheCounter) {
    const std::uint32_t serial = PresentStimulus();
    EXPECT_TRUE(onset.Pending());
    presenter.Complete(Kind::Frame, serial, PresentUs + 12'345, 421);
    // 12.345 ms after the tie of the clocks, at 10 counts per µs.
    EXPECT_EQ(onset.OnsetCount(), CounterAtPresent + 123'450);
    EXPECT_FALSE(onset.Pending());
    EXPECT_EQ(stimulus, std::vector<bool>{true});
}

TEST_F(FrameOnsetTest, OnlyTheStimulusFramesOwnCompletionCounts) {
    // A blank asked for before the stimulus, and a frame of an earlier trial, both reported
    // after the stimulus was asked for: neither showed the green.
    const std::uint32_t blank = presenter.NotifyNextBlank();
    const std::uint32_t earlier = presenter.Present();
    const std::uint32_t serial = PresentStimulus();
    presenter.Complete(Kind::Blank, blank, PresentUs + 1'000, 100);
    presenter.Complete(Kind::Frame, earlier, PresentUs + 1'000, 100);
    EXPECT_EQ(onset.OnsetCount(), std::nullopt);
    // Its blank was missed: the frame made the one after, and counts from there.
    presenter.Complete(Kind::Frame, serial, PresentUs + 34'333, 102);
    EXPECT_EQ(onset.OnsetCount(), CounterAtPresent + 343'330);
    // A second report of it changes nothing.
    presenter.Complete(Kind::Frame, serial, PresentUs + 51'000, 103);
    EXPECT_EQ(onset.OnsetCount(), CounterAtPresent + 343'330);
    EXPECT_EQ(stimulus, (std::vector<bool>{false, false, true, false}));
}

TEST_F(FrameOnsetTest, AFrameReplacedBeforeItShowedIsNoOnset) {
    const std::uint32_t serial = PresentStimulus();
    onset.Completed(FrameCompletion{Kind::Frame, serial, PresentUs + 16'000, 5, true});
    EXPECT_EQ(onset.OnsetCount(), std::nullopt);
    EXPECT_TRUE(onset.Pending());
}

TEST_F(FrameOnsetTest, ForgettingEndsTheTrial) {
    const std::uint32_t serial = PresentStimulus();
    onset.Forget();
    presenter.Complete(Kind::Frame, serial, PresentUs + 16'000, 5);
    EXPECT_EQ(onset.OnsetCount(), std::nullopt);
    EXPECT_FALSE(onset.Pending());
}

TEST_F(FrameOnsetTest, TheFramePeriodComesFromBlanksApart) {
    EXPECT_EQ(onset.FramePeriodMs(), std::nullopt);
    presenter.Complete(Kind::Blank, 1, 1'000'000, 60);
    EXPECT_EQ(onset.FramePeriodMs(), std::nullopt);
    presenter.Complete(Kind::Blank, 2, 3'000'000, 180);
    EXPECT_NEAR(*onset.FramePeriodMs(), 1000.0 / 60, 1e-9);
    presenter.Complete(Kind::Frame, 3, 3'500'000, 252);
    EXPECT_NEAR(*onset.FramePeriodMs(), 2500.0 / 192, 1e-9);
    // A count going back (another screen) starts the measure over.
    presenter.Complete(Kind::Blank, 4, 4'000'000, 10);
    EXPECT_EQ(onset.FramePeriodMs(), std::nullopt);
}

} // namespace
