#include "Guarded.h"

#include "ErrorDisplay.h"

#include <QString>
#include <exception>

bool Guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        ErrorDisplay::Show(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorDisplay::Show(QStringLiteral("Unknown error"));
    }
    return false;
}
