#pragma once

#include <QString>

namespace platform {

// How an error that ends an action reaches the user: a modal message box in the program.
class ErrorDisplay {
public:
    virtual ~ErrorDisplay() = default;

    // The message as shown: a "." is added when its last character sorts after ".".
    static QString Format(const QString& message) {
        if (!message.isEmpty() && message.back() > u'.')
            return message + u'.';
        return message;
    }

    void Show(const QString& message) { Display(Format(message)); }

protected:
    virtual void Display(const QString& shown) = 0;
};

// A question before something that cannot be undone, answered with OK or Cancel (or Yes or No).
struct Question {
    enum class Answers { OkCancel, YesNo };
    QString text;
    QString caption = QStringLiteral("Confirm");
    Answers answers = Answers::OkCancel;
};

class Questions {
public:
    virtual ~Questions() = default;
    // True for OK (Yes).
    virtual bool Confirm(const Question& question) = 0;
};

} // namespace platform
