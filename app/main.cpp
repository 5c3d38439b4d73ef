#include "Application.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "SystemColors.h"
#include "SystemDialogs.h"

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    FillSystemColorsFromPalette(app.palette());
    LatencyStamps::InstallFromEnvironment();

    platform::SystemPerformanceCounter counter;
    platform::SystemSleeper sleeper;
    platform::SystemThreadPriority priority;
    platform::SystemRegistry registry;
    platform::SystemTimerResolution timerResolution;
    platform::FunctionBeep beep([] { QApplication::beep(); });
    MessageBoxErrorDisplay errors;
    MessageBoxQuestions questions;
    SystemFileDialogs files;
    SystemPrintDialog printing;
    SystemProgress progress;
    app.SetErrorDisplay(&errors);
    SystemCycleCounter cycles;
    // One clock for the whole process: it is looked up once and then kept.
    ProcessorClock processorClock(counter, sleeper, priority, registry, cycles);

    TMainForm form({counter, sleeper, priority, registry, timerResolution, beep, errors, questions,
                    files, printing, progress},
                   processorClock);
    form.show();
    return app.exec();
}
