#pragma once

#include "MessageBoxes.h"

#include <QApplication>
#include <QTranslator>

// The application object. An exception that escapes a handler ends that handler and is shown
// to the user; the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;

    // Where escaped errors are shown; the program's services set it once they exist.
    void SetErrorDisplay(platform::ErrorDisplay* errors) { errors_ = errors; }

private:
    void ShowError(const QString& message);

    platform::ErrorDisplay* errors_ = nullptr;
    // Qt's own dialogs (message box buttons, the file and print dialogs) in the program's
    // language: the system's Qt has no Serbian translation of them.
    QTranslator dialogs_;
};
