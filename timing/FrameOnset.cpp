#include "FrameOnset.h"

#include <cmath>

void FrameOnset::Presented(std::uint32_t serial, std::int64_t counterNow, std::int64_t clockNowNs,
                           std::int64_t frequency) {
    serial_ = serial;
    counterAt_ = counterNow;
    clockAtNs_ = clockNowNs;
    frequency_ = frequency;
    onset_.reset();
}

bool FrameOnset::Completed(const platform::FrameCompletion& c) {
    if (!c.skipped) {
        const Blank blank{c.ustMicros, c.msc};
        // A count that goes back means another screen or a restarted server: start over.
        if (!firstBlank_ || blank.msc < lastBlank_->msc)
            firstBlank_ = blank;
        lastBlank_ = blank;
    }
    // Only the stimulus frame's own completion counts: a blank reported for an earlier request
    // came before the green was on the screen, and a frame that missed its blank is reported at
    // the one it made.
    if (!serial_ || onset_ || c.kind != platform::FrameCompletion::Kind::Frame ||
        c.serial != *serial_ || c.skipped)
        return false;
    const double sinceTieNs = double(std::int64_t(c.ustMicros) * 1000 - clockAtNs_);
    onset_ = counterAt_ + std::llround(sinceTieNs * double(frequency_) / 1e9);
    return true;
}

void FrameOnset::Forget() {
    serial_.reset();
    onset_.reset();
}

std::optional<double> FrameOnset::FramePeriodMs() const {
    if (!firstBlank_ || lastBlank_->msc <= firstBlank_->msc)
        return std::nullopt;
    return double(lastBlank_->ust - firstBlank_->ust) / 1e3 /
           double(lastBlank_->msc - firstBlank_->msc);
}
