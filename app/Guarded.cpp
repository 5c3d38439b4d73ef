#include "Guarded.h"

#include "DataErrors.h"
#include "ErrorDisplay.h"

#include <QString>
#include <exception>

bool Guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAbort&) {
        // Already explained to the user.
    } catch (const std::exception& e) {
        ErrorDisplay::Show(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorDisplay::Show(QStringLiteral("Unknown error"));
    }
    return false;
}
