// Measures from outside how much lag the program adds to a reaction time. It starts an X server
// (Xvfb) and the program, then runs trials as a subject would: E, wait for the green panel as
// the X server shows it, press a known time later, read the reported time. The added lag is the
// reported time minus the interval the probe itself kept between the green and the press.
#include "ChildProcess.h"
#include "Clock.h"
#include "ScreenWatch.h"
#include "StampFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

using namespace probe;

namespace {

constexpr std::uint32_t Red = 0xFF0000, Yellow = 0xFFFF00, Green = 0x00FF00;
// A point of the panel far from its caption, in window coordinates.
constexpr int PanelX = 60, PanelY = 80;
constexpr std::int64_t Second = 1'000'000'000;

struct Options {
    std::string program;
    std::string display; // empty: let the X server pick a free one
    int trials = 20;
};

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--program")
            o.program = argv[i + 1];
        else if (name == "--display")
            o.display = argv[i + 1];
        else if (name == "--trials")
            o.trials = std::max(1, std::atoi(argv[i + 1]));
        else
            throw std::runtime_error("unknown option " + name);
    }
    if (o.program.empty())
        throw std::runtime_error("usage: latency_probe --program PATH [--display N] [--trials N]");
    return o;
}

// One trial's figures, in milliseconds.
struct Trial {
    double delay = 0;    // the probe's own interval from the green seen to the press sent
    double reported = 0; // as the program shows it, in whole milliseconds
    double exact = 0;    // the program's time before rounding
    double armToTick = 0, tickToFrame = 0, frameToSeen = 0, sentToPress = 0, pressToStop = 0;
    // The probe's sight of the green minus the program's onset stamp (NaN without one).
    double onsetToSeen = NAN;
    double Added() const { return reported - delay; }
    double AddedExact() const { return exact - delay; }
};

struct Column {
    const char* name;
    double (*get)(const Trial&);
};

const Column Columns[] = {
    {"added", [](const Trial& t) { return t.Added(); }},
    {"exact", [](const Trial& t) { return t.AddedExact(); }},
    {"arm>tick", [](const Trial& t) { return t.armToTick; }},
    {"tick>frame", [](const Trial& t) { return t.tickToFrame; }},
    {"frame>seen", [](const Trial& t) { return t.frameToSeen; }},
    {"sent>press", [](const Trial& t) { return t.sentToPress; }},
    {"press>stop", [](const Trial& t) { return t.pressToStop; }},
    {"onset>seen", [](const Trial& t) { return t.onsetToSeen; }},
};

// The probe's own timing should not suffer from the machine's other work; it mostly sleeps.
// The X server and the program it starts keep the normal policy, as they would run anyway.
void RaiseOwnPriority() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO) + 10;
    if (sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) != 0)
        std::printf("(the probe runs at normal priority: real-time refused)\n");
}

// Starts Xvfb; with no display named it picks a free one and reports it.
std::unique_ptr<ChildProcess> StartXServer(std::string& display, const std::string& log) {
    std::vector<std::string> args{"Xvfb"};
    int fds[2] = {-1, -1};
    if (display.empty()) {
        if (pipe(fds) != 0)
            throw std::runtime_error("cannot make a pipe");
        args.insert(args.end(), {"-displayfd", std::to_string(fds[1])});
    } else {
        args.push_back(":" + display);
    }
    args.insert(args.end(), {"-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    auto server = std::make_unique<ChildProcess>(args, std::vector<std::string>{}, log);
    if (fds[0] >= 0) {
        close(fds[1]);
        pollfd p{fds[0], POLLIN, 0};
        char number[16] = {};
        if (poll(&p, 1, 10'000) <= 0 || read(fds[0], number, sizeof number - 1) <= 0)
            throw std::runtime_error("the X server did not start, see " + log);
        close(fds[0]);
        display = std::to_string(std::atoi(number));
    }
    return server;
}

std::optional<Trial> RunTrial(ScreenWatch& screen, StampFile& stamps, double delayMs) {
    if (!screen.WaitForPixel([](std::uint32_t c) { return c == Red; }, 10 * Second))
        return std::nullopt;
    screen.TypeKey('e');
    if (!screen.WaitForPixel([](std::uint32_t c) { return c == Yellow; }, 5 * Second))
        return std::nullopt;
    const auto seen = screen.WaitForPixel([](std::uint32_t c) { return c == Green; }, 10 * Second);
    if (!seen)
        return std::nullopt;
    WaitPreciselyUntil(*seen + std::int64_t(delayMs * 1e6));
    const std::int64_t sent = screen.PressButton();
    SleepUntil(sent + 30'000'000);
    screen.ReleaseButton();
    const auto response = stamps.Next(5 * Second);
    screen.WaitForPixel([](std::uint32_t c) { return c != Green; }, 5 * Second);
    screen.TypeKey('r');
    if (!response)
        return std::nullopt;

    Trial t;
    t.delay = Ms(sent - *seen);
    t.exact = response->reportedMs;
    // As the program writes it: whole milliseconds, an exact half away from zero.
    t.reported = std::round(response->reportedMs);
    t.armToTick = Ms(response->tickEntered - response->armed);
    t.tickToFrame = Ms(response->frameHanded - response->tickEntered);
    t.frameToSeen = Ms(*seen - response->frameHanded);
    t.sentToPress = Ms(response->pressEntered - sent);
    t.pressToStop = Ms(response->stopped - response->pressEntered);
    if (response->onset)
        t.onsetToSeen = Ms(*seen - *response->onset);
    return t;
}

void PrintRow(const char* label, const std::vector<double>& values) {
    std::printf("%-8s", label);
    for (double v : values)
        std::printf(" %10.3f", v);
    std::printf("\n");
}

void Report(const std::vector<Trial>& trials) {
    std::printf("\n%-8s", "");
    for (const Column& c : Columns)
        std::printf(" %10s", c.name);
    std::printf("\n");
    for (const char* stat : {"mean", "median", "min", "max"}) {
        std::vector<double> row;
        for (const Column& c : Columns) {
            std::vector<double> v;
            for (const Trial& t : trials)
                v.push_back(c.get(t));
            std::sort(v.begin(), v.end());
            double mean = 0;
            for (double x : v)
                mean += x / double(v.size());
            const double median =
                v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
            row.push_back(!std::strcmp(stat, "mean")     ? mean
                          : !std::strcmp(stat, "median") ? median
                          : !std::strcmp(stat, "min")    ? v.front()
                                                         : v.back());
        }
        PrintRow(stat, row);
    }
}

} // namespace

int main(int argc, char** argv) try {
    const Options options = Parse(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    RaiseOwnPriority();
    ChildProcess::EndChildrenOnSignal();

    char folder[] = "/tmp/tavulin-latency-XXXXXX";
    if (!mkdtemp(folder))
        throw std::runtime_error("cannot make a temporary folder");
    const std::string dir = folder;
    std::string display = options.display;
    auto server = StartXServer(display, dir + "/xvfb.log");
    ScreenWatch screen(":" + display, 10 * Second);
    const std::string stampPath = dir + "/stamps";
    // In Serbian whatever the settings say: the window is found by its Serbian title.
    ChildProcess program(
        {options.program, "--lang", "sr", "--database", dir + "/results.sqlite"},
        {"DISPLAY=:" + display, "QT_QPA_PLATFORM=xcb", "TAVULIN_LATENCY_STAMPS=" + stampPath},
        dir + "/program.log");
    if (!screen.AttachToWindow("Merenje brzine reakcije", PanelX, PanelY, 20 * Second))
        throw std::runtime_error("the program's window did not appear, see " + dir);
    StampFile stamps(stampPath);

    std::printf("display :%d, %d trials, logs in %s\n", std::atoi(display.c_str()), options.trials,
                dir.c_str());
    std::printf("%5s %9s %8s %8s |", "trial", "delay", "reported", "added");
    for (std::size_t i = 1; i < std::size(Columns); ++i)
        std::printf(" %10s", Columns[i].name);
    std::printf("\n");
    std::vector<Trial> trials;
    int failures = 0;
    for (int k = 0; int(trials.size()) < options.trials && failures < 5; ++k) {
        // Fractions of a millisecond spread evenly over the trials average the program's
        // whole-millisecond rounding out.
        const double delay = 150.0 + double(k % options.trials) / options.trials;
        const auto t = RunTrial(screen, stamps, delay);
        if (!t) {
            ++failures;
            std::printf("%5d  no result\n", k + 1);
            continue;
        }
        trials.push_back(*t);
        std::printf("%5d %9.3f %8.0f %8.3f |", k + 1, t->delay, t->reported, t->Added());
        for (std::size_t i = 1; i < std::size(Columns); ++i)
            std::printf(" %10.3f", Columns[i].get(*t));
        std::printf("\n");
        SleepUntil(NowNs() + 200'000'000);
    }
    if (trials.empty())
        throw std::runtime_error("no trial gave a result, see " + dir);
    Report(trials);
    std::printf("\nadded: the reported time (whole ms) minus the probe's own interval; exact: the "
                "same before rounding.\nThe split: arming > first tick > green frame handed to the"
                " X server > seen by the probe;\npress sent by the probe > its event in the "
                "program > stop count.\nonset>seen: the probe's sight of the green after the "
                "frame's blank the program counts from (nan: counted from the arming).\n");
    return failures < 5 ? 0 : 1;
} catch (const std::exception& e) {
    std::fprintf(stderr, "latency probe: %s\n", e.what());
    return 1;
}
