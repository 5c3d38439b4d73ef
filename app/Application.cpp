#include "Application.h"

#include "AppTitle.h"
#include "ErrorText.h"
#include "device/FontSubstitutes.h"

#include <QDebug>
#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Only the name: a display name would be appended to every window caption.
    setApplicationName(ApplicationTitle);
    InstallFontSubstitutes();
    SetLanguage(Language::Serbian);
}

TApplication::~TApplication() {
    // The translations go before the application object that would otherwise still ask them.
    translations_.reset();
}

void TApplication::SetLanguage(Language language) {
    translations_.reset();
    translations_.emplace(language);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(ErrorText(e));
    } catch (...) {
        ShowError(UnknownErrorText());
    }
    return false;
}

void TApplication::ShowError(const QString& message) {
    if (errors_)
        errors_->Show(message);
    else
        qWarning().noquote() << message;
}
