#pragma once

#include "Beep.h"
#include "EventClock.h"
#include "FileDialogs.h"
#include "FramePresenter.h"
#include "MessageBoxes.h"
#include "PerformanceCounter.h"
#include "PrintDialog.h"
#include "Progress.h"
#include "RandomGenerator.h"
#include "Registry.h"
#include "Settings.h"
#include "Sleeper.h"
#include "ThreadPriority.h"
#include "TimerResolution.h"
#include "TimingFacts.h"

namespace platform {

// The services the program takes from the system, in one place so that tests can swap any of
// them. The references stay valid for the life of the program.
struct Services {
    PerformanceCounter& counter;
    Sleeper& sleeper;
    ThreadPriority& priority;
    Registry& registry;
    TimerResolution& timerResolution;
    Beep& beep;
    ErrorDisplay& errors;
    Questions& questions;
    FileDialogs& files;
    PrintDialog& printing;
    Progress& progress;
    Settings& settings;
    SettingsDialog& settingsDialog;
    TextInput& textInput;
    EventClock& eventClock;
    FramePresenters& presenters;
    TimingFacts& timingFacts;
};

} // namespace platform
