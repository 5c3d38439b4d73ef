#pragma once

#include <functional>

namespace platform {

// The default system beep. The window system sounds it; the application installs that at start.
class Beep {
public:
    virtual ~Beep() = default;
    virtual void Sound() = 0;
};

class FunctionBeep final : public Beep {
public:
    explicit FunctionBeep(std::function<void()> sound) : sound_(std::move(sound)) {}
    void Sound() override {
        if (sound_)
            sound_();
    }

private:
    std::function<void()> sound_;
};

} // namespace platform
