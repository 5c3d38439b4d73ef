#include "Application.h"

#include "AppTitle.h"
#include "device/FontSubstitutes.h"

#include <QDebug>
#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Only the name: a display name would be appended to every window caption.
    setApplicationName(ApplicationTitle);
    InstallFontSubstitutes();
    if (dialogs_.load(QStringLiteral(":/translations/qt_sr.qm")))
        installTranslator(&dialogs_);
}

TApplication::~TApplication() {
    // The translator goes before the application object that would otherwise still ask it.
    removeTranslator(&dialogs_);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

void TApplication::ShowError(const QString& message) {
    if (errors_)
        errors_->Show(message);
    else
        qWarning().noquote() << message;
}
