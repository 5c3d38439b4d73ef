#pragma once

#include "Language.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <optional>

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
    // The language of the texts shown from now on; Serbian until set. Widgets take their
    // texts when they are made, so the window is made after this.
    void SetLanguage(Language language);

private:
    void ShowError(const QString& message);

    platform::ErrorDisplay* errors_ = nullptr;
    std::optional<LanguageTranslations> translations_;
};
