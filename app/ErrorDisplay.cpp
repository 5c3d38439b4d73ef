#include "ErrorDisplay.h"

#include "AppTitle.h"

#include <QMessageBox>

namespace {
std::function<void(const QString&)>& Handler() {
    static std::function<void(const QString&)> handler;
    return handler;
}
} // namespace

QString ErrorDisplay::Format(const QString& message) {
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ErrorDisplay::Show(const QString& message) {
    const QString text = Format(message);
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, text, QMessageBox::Ok);
    box.exec();
}

void ErrorDisplay::SetHandler(std::function<void(const QString&)> handler) {
    Handler() = std::move(handler);
}
