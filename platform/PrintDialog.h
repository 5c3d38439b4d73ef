#pragma once

#include <QString>
#include <memory>

class QPagedPaintDevice;

namespace platform {

// Asks where and how to print (a printer or a file) and hands back the device to draw the pages
// on; nothing when the user cancels. The pages go out when the painting on the device ends.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual std::unique_ptr<QPagedPaintDevice> AskPrinter(const QString& documentName) = 0;
};

} // namespace platform
