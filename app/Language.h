#pragma once

#include <QString>
#include <QTranslator>
#include <optional>

// The languages the program speaks. Serbian is the language its texts are written in, so it
// needs no translation of them; it is the language unless the user chooses another, whatever
// the system's locale.
enum class Language { Serbian, English };

// "sr" and "en", as the command line and the settings write them; nothing for another code.
std::optional<Language> LanguageOfCode(const QString& code);
QString LanguageCode(Language language);

// The translations of one language, installed in the application object while it lives:
// the program's own texts, and Qt's texts in its dialogs (the message box buttons, the file
// and print dialogs), which the system's Qt does not carry in Serbian. Both are compiled into
// the program, so that it finds them wherever it runs from.
class LanguageTranslations {
public:
    explicit LanguageTranslations(Language language);
    ~LanguageTranslations();
    LanguageTranslations(const LanguageTranslations&) = delete;
    LanguageTranslations& operator=(const LanguageTranslations&) = delete;

private:
    QTranslator translator_;
};
