#include "Application.h"

#include "AppTitle.h"
#include "ErrorDisplay.h"
#include "device/FontSubstitutes.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Only the name: a display name would be appended to every window caption.
    setApplicationName(ApplicationTitle);
    InstallFontSubstitutes();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ErrorDisplay::Show(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorDisplay::Show(QStringLiteral("Unknown error"));
    }
    return false;
}
