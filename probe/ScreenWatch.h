#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

typedef struct _XDisplay Display;

namespace probe {

// The probe's view of the X server: it finds the program's window, watches one pixel of it
// through the server's damage reports and injects keys and button presses with XTest. Nothing
// of this goes through the program.
class ScreenWatch {
public:
    // Opens the display, retrying until `timeoutNs` has passed.
    ScreenWatch(const std::string& display, std::int64_t timeoutNs);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // Waits for a mapped top-level window whose title contains `title`, gives it the keyboard
    // and puts the pointer on the window point (x, y), which the pixel watch then samples.
    bool AttachToWindow(const std::string& title, int x, int y, std::int64_t timeoutNs);

    // The watched pixel as 0xRRGGBB.
    std::uint32_t Pixel();

    // Waits until the watched pixel satisfies `wanted`. Returns the time the server reported the
    // drawing that made it so (or the time of the first look, when it already was).
    std::optional<std::int64_t> WaitForPixel(const std::function<bool(std::uint32_t)>& wanted,
                                             std::int64_t timeoutNs);

    void TypeKey(char letter);
    // Returns the reading taken once the press has been written to the server.
    std::int64_t PressButton();
    void ReleaseButton();

private:
    Display* display_ = nullptr;
    unsigned long window_ = 0;
    unsigned long damage_ = 0;
    int damageEventBase_ = 0;
    int x_ = 0, y_ = 0;
};

} // namespace probe
