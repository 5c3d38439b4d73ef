#include "SystemTimingFacts.h"

#include "MousePolling.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace platform {

std::optional<double> SystemTimingFacts::RefreshHz() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->refreshRate() <= 0)
        return std::nullopt;
    return screen->refreshRate();
}

std::optional<bool> SystemTimingFacts::Composited() {
    if (!connection_ || xcb_connection_has_error(connection_))
        return std::nullopt;
    // A compositing manager owns this selection for the screen it draws (screen 0 here).
    static const char name[] = "_NET_WM_CM_S0";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name),
                              nullptr),
        &std::free);
    if (!atom)
        return std::nullopt;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, atom->atom),
                                      nullptr),
        &std::free);
    if (!owner)
        return std::nullopt;
    return owner->owner != XCB_NONE;
}

std::optional<double> SystemTimingFacts::MousePollingHz() {
    return platform::MousePollingHz(QStringLiteral("/sys/bus/usb/devices"));
}

} // namespace platform
