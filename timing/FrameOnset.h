#pragma once

#include "FramePresenter.h"

#include <cstdint>
#include <optional>

// When the stimulus frame reached the screen, as the window system's completion of it says,
// on the counter the press is read with; and the screen's frame period from the completions
// seen on the way.
class FrameOnset {
public:
    // The stimulus frame was asked for under `serial`. The counter and the completions' clock
    // are read together (`counterNow`, `clockNowNs`), which ties one to the other; `frequency`
    // is the counter's, in counts per second.
    void Presented(std::uint32_t serial, std::int64_t counterNow, std::int64_t clockNowNs,
                   std::int64_t frequency);
    // Every completion the presenter reports. Returns true for the one of the stimulus frame.
    bool Completed(const platform::FrameCompletion& completion);
    // The counter reading of the stimulus frame's blank, once its completion has come.
    std::optional<std::int64_t> OnsetCount() const { return onset_; }
    bool Pending() const { return serial_.has_value() && !onset_; }
    // The trial is over: the next one presents its own frame.
    void Forget();

    // The time between two blanks, from the completions seen so far; nothing before two blanks
    // apart have been seen.
    std::optional<double> FramePeriodMs() const;

private:
    std::optional<std::uint32_t> serial_;
    std::int64_t counterAt_ = 0;
    std::int64_t clockAtNs_ = 0;
    std::int64_t frequency_ = 1;
    std::optional<std::int64_t> onset_;

    struct Blank {
        std::uint64_t ust = 0;
        std::uint64_t msc = 0;
    };
    std::optional<Blank> firstBlank_;
    std::optional<Blank> lastBlank_;
};
