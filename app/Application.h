#pragma once

#include <QApplication>

// The application object. An exception that escapes a handler ends that handler and is shown
// to the user; the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
