#pragma once

#include <QString>

namespace platform {

// A long task on the window: how far it has come, and a button that stops it.
class Progress {
public:
    virtual ~Progress() = default;
    // Puts up `label` with a bar from 0 to `total`, until End.
    virtual void Begin(const QString& label, int total) = 0;
    // Moves the bar to `done` and lets the window answer; false once the user has cancelled.
    virtual bool Step(int done) = 0;
    virtual void End() = 0;
};

// A progress display that is up for as long as this lives, however the task ends.
class ProgressShown {
public:
    ProgressShown(Progress& progress, const QString& label, int total) : progress_(progress) {
        progress_.Begin(label, total);
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;
    ~ProgressShown() { progress_.End(); }
    bool Step(int done) { return progress_.Step(done); }

private:
    Progress& progress_;
};

} // namespace platform
