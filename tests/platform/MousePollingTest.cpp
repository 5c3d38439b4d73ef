#include "MousePolling.h"
#include "FileSystemHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small copy of /sys/bus/usb/devices: interfaces with their class and protocol, endpoints with
// what the system writes of them.
struct UsbTree {
    QTemporaryDir root;

    void Device(const QString& name, const QString& speed) {
        QDir(root.path()).mkpath(name);
        WriteFile(root.filePath(name + QStringLiteral("/speed")), speed.toLatin1());
    }
    void Interface(const QString& name, const char* cls, const char* protocol,
                   const QString& endpoint, const QByteArray& interval,
                   const QByteArray& bInterval) {
        const QString ep = name + u'/' + endpoint;
        QDir(root.path()).mkpath(ep);
        WriteFile(root.filePath(name + QStringLiteral("/bInterfaceClass")), cls);
        WriteFile(root.filePath(name + QStringLiteral("/bInterfaceProtocol")), protocol);
        WriteFile(root.filePath(ep + QStringLiteral("/type")), "Interrupt\n");
        WriteFile(root.filePath(ep + QStringLiteral("/direction")), "in\n");
        if (!interval.isEmpty())
            WriteFile(root.filePath(ep + QStringLiteral("/interval")), interval);
        WriteFile(root.filePath(ep + QStringLiteral("/bInterval")), bInterval);
    }
};

TEST(MousePolling, TheSlowestMouseSetsTheRate) {
    UsbTree usb;
    EXPECT_EQ(platform::MousePollingHz(usb.root.path()), std::nullopt);
    // A keyboard polled every millisecond is no mouse.
    usb.Device(QStringLiteral("1-1"), QStringLiteral("12"));
    usb.Interface(QStringLiteral("1-1:1.0"), "03\n", "01\n", QStringLiteral("ep_81"), "1ms\n",
                  "01\n");
    EXPECT_EQ(platform::MousePollingHz(usb.root.path()), std::nullopt);
    // A high-speed gaming mouse that gives only the raw bInterval: 2^(4-1) × 125 µs = 1 ms.
    usb.Device(QStringLiteral("1-2"), QStringLiteral("480"));
    usb.Interface(QStringLiteral("1-2:1.0"), "03\n", "02\n", QStringLiteral("ep_81"), {}, "04\n");
    EXPECT_DOUBLE_EQ(*platform::MousePollingHz(usb.root.path()), 1000);
    // An office mouse at full speed, 8 ms: the slower of the two counts.
    usb.Device(QStringLiteral("2-1"), QStringLiteral("12"));
    usb.Interface(QStringLiteral("2-1:1.0"), "03\n", "02\n", QStringLiteral("ep_82"), "8ms\n",
                  "0a\n");
    EXPECT_DOUBLE_EQ(*platform::MousePollingHz(usb.root.path()), 125);
}

} // namespace
