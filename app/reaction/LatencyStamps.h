#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Counter readings along one trial, for a probe that measures the program's lag from outside.
// Off unless the environment variable TAVULIN_LATENCY_STAMPS names a file; while off, a stamp
// is one test of a flag and reads no counter. The readings are those of the system's
// performance counter, so a probe on the same machine can set them against its own clock.
class LatencyStamps {
public:
    // Onset: the counter reading of the stimulus frame's blank, where the screen reported it.
    enum Point { Armed, TickEntered, FrameHanded, PressEntered, Stopped, Onset, PointCount };

    // Switches the stamps on when the environment asks for them. Call once, after the
    // application object exists.
    static void InstallFromEnvironment();

    static bool On() { return on_; }
    // The first reading of a point since the trial was armed; later ones leave it.
    static void StampOnce(Point point) {
        if (on_)
            StampOnceSlow(point);
    }
    // A reading taken by the caller anyway. Arming starts a new trial and clears the others.
    static void Set(Point point, std::int64_t count) {
        if (on_)
            SetSlow(point, count);
    }
    // Appends one line for a response: every point's reading, the counter's frequency and the
    // time reported, then forgets the trial.
    static void WriteResponse(double milliseconds);

private:
    static void StampOnceSlow(Point point);
    static void SetSlow(Point point, std::int64_t count);

    static inline bool on_ = false;
};
