#pragma once

#include <QString>
#include <optional>

namespace platform {

// The polling rate of the slowest USB mouse under `usbDevices` (the system's
// /sys/bus/usb/devices): each mouse interface's interrupt endpoint tells its interval, which the
// system keeps as a text ("1ms", "125us") or as the raw bInterval, read by the device's speed.
// Nothing when no mouse is found there.
std::optional<double> MousePollingHz(const QString& usbDevices);

} // namespace platform
