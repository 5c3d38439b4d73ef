#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

// The window system's word that a frame asked for reached the screen, or that a vertical blank
// asked to be told of has passed.
struct FrameCompletion {
    enum class Kind { Frame, Blank };
    Kind kind = Kind::Frame;
    // The number the request was given, so that a completion is matched to its request.
    std::uint32_t serial = 0;
    // The vertical blank it happened at: its time in microseconds of CLOCK_MONOTONIC and the
    // screen's count of blanks.
    std::uint64_t ustMicros = 0;
    std::uint64_t msc = 0;
    // The frame was replaced before it was ever shown.
    bool skipped = false;
};

// Puts ready-made frames into one window at a vertical blank of the screen, and reports when
// each has. Completions arrive on the GUI thread through OnComplete, in the order they happen.
class FramePresenter {
public:
    virtual ~FramePresenter() = default;

    // Uploads the next frame ahead of time, so that presenting it later sends no pixels.
    virtual void Prepare(const QImage& frame) = 0;
    // The prepared frame goes to the window at the next vertical blank; returns the serial its
    // completion carries.
    virtual std::uint32_t Present() = 0;
    // Asks to be told of the next vertical blank, with no frame.
    virtual std::uint32_t NotifyNextBlank() = 0;
    // Now, in nanoseconds of the clock the completions' times are on.
    virtual std::int64_t ClockNowNs() = 0;

    std::function<void(const FrameCompletion&)> OnComplete;
};

// Makes presenters for the program's windows where the window system can present frames.
class FramePresenters {
public:
    virtual ~FramePresenters() = default;
    // Whether frames can be presented at all; when not, ForWindow gives nothing.
    virtual bool Available() const = 0;
    // A presenter for the native window `window` (its id in the window system).
    virtual std::unique_ptr<FramePresenter> ForWindow(std::uintptr_t window) = 0;
};

// A window system without vertical-blank presentation.
class NoFramePresenters final : public FramePresenters {
public:
    bool Available() const override { return false; }
    std::unique_ptr<FramePresenter> ForWindow(std::uintptr_t) override { return nullptr; }
};

} // namespace platform
