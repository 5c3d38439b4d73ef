#include "MousePolling.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace platform {

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

// "1ms", "125us", "8ms" as seconds.
std::optional<double> IntervalText(const QString& text) {
    bool ok = false;
    if (text.endsWith(QLatin1String("us"))) {
        const double us = text.chopped(2).toDouble(&ok);
        return ok && us > 0 ? std::optional(us / 1e6) : std::nullopt;
    }
    if (text.endsWith(QLatin1String("ms"))) {
        const double ms = text.chopped(2).toDouble(&ok);
        return ok && ms > 0 ? std::optional(ms / 1e3) : std::nullopt;
    }
    return std::nullopt;
}

// bInterval counts milliseconds on a low- or full-speed device and powers of two of 125 µs
// frames on a faster one.
std::optional<double> RawInterval(const QString& bInterval, const QString& speedMbps) {
    bool ok = false;
    const int raw = bInterval.toInt(&ok, 16);
    if (!ok || raw <= 0)
        return std::nullopt;
    const double speed = speedMbps.toDouble(&ok);
    if (ok && speed >= 480)
        return raw > 16 ? std::nullopt : std::optional(std::ldexp(125e-6, raw - 1));
    return raw / 1e3;
}

} // namespace

std::optional<double> MousePollingHz(const QString& usbDevices) {
    std::optional<double> slowest;
    const QDir devices(usbDevices);
    for (const QString& name : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString interface = devices.filePath(name);
        // A HID interface of the boot mouse protocol.
        if (ReadText(interface + QLatin1String("/bInterfaceClass")) != QLatin1String("03") ||
            ReadText(interface + QLatin1String("/bInterfaceProtocol")) != QLatin1String("02"))
            continue;
        const QString device = devices.filePath(name.section(u':', 0, 0));
        const QDir here(interface);
        for (const QString& ep : here.entryList({QStringLiteral("ep_*")}, QDir::Dirs)) {
            const QString endpoint = here.filePath(ep);
            if (ReadText(endpoint + QLatin1String("/type")) != QLatin1String("Interrupt") ||
                ReadText(endpoint + QLatin1String("/direction")) != QLatin1String("in"))
                continue;
            std::optional<double> interval =
                IntervalText(ReadText(endpoint + QLatin1String("/interval")));
            if (!interval)
                interval = RawInterval(ReadText(endpoint + QLatin1String("/bInterval")),
                                       ReadText(device + QLatin1String("/speed")));
            if (interval && (!slowest || *interval > *slowest))
                slowest = interval;
        }
    }
    if (!slowest)
        return std::nullopt;
    return 1.0 / *slowest;
}

} // namespace platform
