#include "ScreenWatch.h"

#include "Clock.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <cstring>
#include <stdexcept>
#include <sys/select.h>

namespace probe {

namespace {

std::string WindowTitle(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

bool Viewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

} // namespace

ScreenWatch::ScreenWatch(const std::string& display, std::int64_t timeoutNs) {
    const std::int64_t deadline = NowNs() + timeoutNs;
    while (!(display_ = XOpenDisplay(display.c_str()))) {
        if (NowNs() > deadline)
            throw std::runtime_error("cannot open display " + display);
        SleepUntil(NowNs() + 50'000'000);
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest");
    if (!XDamageQueryExtension(display_, &damageEventBase_, &error))
        throw std::runtime_error("the X server has no DAMAGE");
}

ScreenWatch::~ScreenWatch() {
    // Closing the connection frees the damage report too; the window may be gone already.
    XCloseDisplay(display_);
}

bool ScreenWatch::AttachToWindow(const std::string& title, int x, int y, std::int64_t timeoutNs) {
    const std::int64_t deadline = NowNs() + timeoutNs;
    const Window root = DefaultRootWindow(display_);
    while (!window_) {
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, root, &rootReturn, &parent, &children, &count)) {
            for (unsigned i = 0; i < count && !window_; ++i)
                if (Viewable(display_, children[i]) &&
                    WindowTitle(display_, children[i]).find(title) != std::string::npos)
                    window_ = children[i];
            XFree(children);
        }
        if (!window_) {
            if (NowNs() > deadline)
                return false;
            SleepUntil(NowNs() + 50'000'000);
        }
    }
    x_ = x;
    y_ = y;
    damage_ = XDamageCreate(display_, window_, XDamageReportRawRectangles);
    XSetInputFocus(display_, window_, RevertToPointerRoot, CurrentTime);
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window_, root, x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, 0);
    XSync(display_, False);
    return true;
}

std::uint32_t ScreenWatch::Pixel() {
    XImage* image = XGetImage(display_, window_, x_, y_, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const std::uint32_t pixel = std::uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

std::optional<std::int64_t>
ScreenWatch::WaitForPixel(const std::function<bool(std::uint32_t)>& wanted,
                          std::int64_t timeoutNs) {
    const std::int64_t deadline = NowNs() + timeoutNs;
    const std::int64_t first = NowNs();
    if (wanted(Pixel()))
        return first;
    const int fd = ConnectionNumber(display_);
    for (;;) {
        // Reports already read into Xlib's queue (during the last pixel read) have no arrival
        // time of their own; they count from now.
        if (!XPending(display_)) {
            const std::int64_t left = deadline - NowNs();
            if (left <= 0)
                return std::nullopt;
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval tv{time_t(left / 1'000'000'000), suseconds_t(left % 1'000'000'000 / 1000)};
            if (select(fd + 1, &read, nullptr, nullptr, &tv) <= 0)
                continue;
        }
        const std::int64_t arrived = NowNs();
        bool covers = false;
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type != damageEventBase_ + XDamageNotify)
                continue;
            const auto& area = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
            covers = covers || (x_ >= area.x && x_ < area.x + area.width && y_ >= area.y &&
                                y_ < area.y + area.height);
        }
        if (covers && wanted(Pixel()))
            return arrived;
    }
}

void ScreenWatch::TypeKey(char letter) {
    const char name[2] = {letter, 0};
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(name));
    XTestFakeKeyEvent(display_, code, True, 0);
    XTestFakeKeyEvent(display_, code, False, 0);
    XFlush(display_);
}

std::int64_t ScreenWatch::PressButton() {
    XTestFakeButtonEvent(display_, 1, True, 0);
    XFlush(display_);
    return NowNs();
}

void ScreenWatch::ReleaseButton() {
    XTestFakeButtonEvent(display_, 1, False, 0);
    XFlush(display_);
}

} // namespace probe
