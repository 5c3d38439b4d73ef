#include "Guarded.h"

#include "DataErrors.h"
#include "ErrorText.h"

#include <QAbstractButton>
#include <QString>
#include <exception>

bool Guarded(platform::ErrorDisplay& errors, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAbort&) {
        // Already explained to the user.
    } catch (const std::exception& e) {
        errors.Show(ErrorText(e));
    } catch (...) {
        errors.Show(UnknownErrorText());
    }
    return false;
}

void ConnectClick(QAbstractButton* button, platform::ErrorDisplay& errors,
                  std::function<void()> handler) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&errors, handler = std::move(handler)] { Guarded(errors, handler); });
}
