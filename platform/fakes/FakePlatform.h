#pragma once

#include "Platform.h"

#include <QPagedPaintDevice>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace platform {

// A clock that only moves when told to, or when something sleeps on it.
class FakeClock final : public PerformanceCounter, public Sleeper {
public:
    explicit FakeClock(std::int64_t frequency = 1'000'000'000) : frequency_(frequency) {}

    std::int64_t Counter() override {
        const std::int64_t now = now_;
        now_ += stepPerRead;
        return now;
    }
    std::int64_t Frequency() override { return frequency_; }
    void Sleep(std::uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        Advance(std::int64_t(milliseconds) * frequency_ / 1000);
        if (onSleep)
            onSleep(milliseconds);
    }

    // The reading without the step a read adds.
    std::int64_t Now() const { return now_; }
    void Advance(std::int64_t ticks) { now_ += ticks; }
    void AdvanceMs(double ms) { now_ += std::int64_t(ms * double(frequency_) / 1000.0); }
    void Set(std::int64_t ticks) { now_ = ticks; }

    std::vector<std::uint32_t> sleeps;
    std::function<void(std::uint32_t)> onSleep; // runs after the clock has moved
    std::int64_t stepPerRead = 0;

private:
    std::int64_t frequency_;
    std::int64_t now_ = 0;
};

class FakeThreadPriority final : public ThreadPriority {
public:
    SchedulingState Current() override { return state; }
    void SetTimeCritical() override {
        state = SchedulingState{1, 99, 0};
        ++raised;
    }
    void Restore(const SchedulingState& s) override { state = s; }

    SchedulingState state{0, 0, 5};
    int raised = 0;
};

// A registry of (key, value name) → bytes; keys not listed cannot be opened.
class FakeRegistry final : public Registry {
public:
    std::map<std::string, std::map<std::string, std::vector<std::uint8_t>>> keys;
    int opens = 0;
    int queries = 0;

    void SetDword(const std::string& key, const std::string& name, std::uint32_t value) {
        std::vector<std::uint8_t> bytes(4);
        std::memcpy(bytes.data(), &value, 4);
        keys[key][name] = bytes;
    }

    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override {
        ++opens;
        auto it = keys.find(path);
        if (it == keys.end())
            return nullptr;
        return std::make_unique<Key>(*this, it->second);
    }

private:
    class Key final : public RegistryKey {
    public:
        Key(FakeRegistry& owner, std::map<std::string, std::vector<std::uint8_t>>& values)
            : owner_(owner), values_(values) {}
        bool QueryValue(const std::string& name, std::uint8_t* buffer,
                        std::uint32_t& size) override {
            ++owner_.queries;
            auto it = values_.find(name);
            if (it == values_.end() || it->second.size() > size)
                return false;
            std::memcpy(buffer, it->second.data(), it->second.size());
            size = std::uint32_t(it->second.size());
            return true;
        }

    private:
        FakeRegistry& owner_;
        std::map<std::string, std::vector<std::uint8_t>>& values_;
    };
};

class FakeTimerResolution final : public TimerResolution {
public:
    void Begin(unsigned ms) override { begun.push_back(ms); }
    void End(unsigned ms) override { ended.push_back(ms); }
    std::vector<unsigned> begun, ended;
};

class FakeBeep final : public Beep {
public:
    void Sound() override { ++count; }
    int count = 0;
};

class FakeErrorDisplay final : public ErrorDisplay {
public:
    QStringList shown;
    // Runs while a message is up, as the events a modal box runs would (tests that need them).
    std::function<void(const QString&)> whileShown;

protected:
    void Display(const QString& message) override {
        shown << message;
        if (whileShown)
            whileShown(message);
    }
};

class FakeQuestions final : public Questions {
public:
    bool Confirm(const Question& question) override {
        asked << question.text;
        last = question;
        return answer;
    }
    QStringList asked;
    Question last; // the whole of the last question asked
    bool answer = true;
};

// Answers every file dialog with the answer set beforehand; nothing means the user cancelled.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<FileAnswer> AskSaveFile(const FileQuestion& question) override {
        asked.push_back(question);
        return saveAnswer;
    }
    std::optional<FileAnswer> AskOpenFile(const FileQuestion& question) override {
        asked.push_back(question);
        return openAnswer;
    }
    std::vector<FileQuestion> asked;
    std::optional<FileAnswer> saveAnswer;
    std::optional<FileAnswer> openAnswer;
};

// Hands out the device that `answer` makes (a PDF writer in tests); without one, the user
// cancelled.
class FakePrintDialog final : public PrintDialog {
public:
    std::unique_ptr<QPagedPaintDevice> AskPrinter(const QString& documentName) override {
        documents << documentName;
        return answer ? answer() : nullptr;
    }
    std::function<std::unique_ptr<QPagedPaintDevice>()> answer;
    QStringList documents;
};

// Records what a long task showed; the user cancels once the bar reaches `cancelAt`.
class FakeProgress final : public Progress {
public:
    void Begin(const QString& label, int total) override {
        labels << label;
        totals.push_back(total);
        open = true;
    }
    bool Step(int done) override {
        steps.push_back(done);
        return !(cancelAt && done >= *cancelAt);
    }
    void End() override { open = false; }

    QStringList labels;
    std::vector<int> totals;
    std::vector<int> steps;
    std::optional<int> cancelAt;
    bool open = false;
};

// Settings held in memory.
class FakeSettings final : public Settings {
public:
    QString Value(const QString& key, const QString& fallback) const override {
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
    void SetValue(const QString& key, const QString& value) override { values[key] = value; }
    std::map<QString, QString> values;
};

// Answers the settings dialog with `answer` applied to the values shown; nothing means the user
// cancelled.
class FakeSettingsDialog final : public SettingsDialog {
public:
    bool Edit(SettingsValues& values) override {
        shown.push_back(values);
        if (!answer)
            return false;
        values = *answer;
        return true;
    }
    std::vector<SettingsValues> shown;
    std::optional<SettingsValues> answer;
};

class FakeTextInput final : public TextInput {
public:
    std::optional<QString> AskText(const TextQuestion& question) override {
        asked.push_back(question);
        return answer;
    }
    std::vector<TextQuestion> asked;
    std::optional<QString> answer;
};

// An event clock that reads `now`; nothing stands for a platform without one.
class FakeEventClock final : public EventClock {
public:
    std::optional<std::uint64_t> Now() override { return now; }
    std::optional<std::uint64_t> now;
};

// Keeps the frames it is given and presents nothing: a test completes them with Complete, at the
// times it chooses. Its clock reads `clockNs`.
class FakeFramePresenter final : public FramePresenter {
public:
    void Prepare(const QImage& frame) override { prepared.push_back(frame); }
    std::uint32_t Present() override {
        presented.push_back(++serial);
        return serial;
    }
    std::uint32_t NotifyNextBlank() override {
        blanksAsked.push_back(++serial);
        return serial;
    }
    std::int64_t ClockNowNs() override { return clockNs; }

    void Complete(FrameCompletion::Kind kind, std::uint32_t s, std::uint64_t ustMicros,
                  std::uint64_t msc) {
        if (OnComplete)
            OnComplete(FrameCompletion{kind, s, ustMicros, msc, false});
    }

    std::vector<QImage> prepared;
    std::vector<std::uint32_t> presented;
    std::vector<std::uint32_t> blanksAsked;
    std::uint32_t serial = 0;
    std::int64_t clockNs = 0;
};

// Hands out fake presenters while `available`; `last` is the one made last, alive while its
// window is.
class FakeFramePresenters final : public FramePresenters {
public:
    bool Available() const override { return available; }
    std::unique_ptr<FramePresenter> ForWindow(std::uintptr_t) override {
        if (!available)
            return nullptr;
        auto made = std::make_unique<FakeFramePresenter>();
        last = made.get();
        return made;
    }
    bool available = false;
    FakeFramePresenter* last = nullptr;
};

class FakeTimingFacts final : public TimingFacts {
public:
    std::optional<double> RefreshHz() override { return refreshHz; }
    std::optional<bool> Composited() override { return composited; }
    std::optional<double> MousePollingHz() override { return mousePollingHz; }
    std::optional<double> refreshHz = 60;
    std::optional<bool> composited = false;
    std::optional<double> mousePollingHz;
};

// Every fake in one bundle, handed out as the program's services.
struct FakePlatform {
    FakeClock clock;
    FakeThreadPriority priority;
    FakeRegistry registry;
    FakeTimerResolution timerResolution;
    FakeBeep beep;
    FakeErrorDisplay errors;
    FakeQuestions questions;
    FakeFileDialogs files;
    FakePrintDialog printing;
    FakeProgress progress;
    FakeSettings settings;
    FakeSettingsDialog settingsDialog;
    FakeTextInput textInput;
    FakeEventClock eventClock;
    FakeFramePresenters presenters;
    FakeTimingFacts timingFacts;

    Services AsServices() {
        return Services{clock,      clock,      priority,       registry,  timerResolution,
                        beep,       errors,     questions,      files,     printing,
                        progress,   settings,   settingsDialog, textInput, eventClock,
                        presenters, timingFacts};
    }
};

} // namespace platform
