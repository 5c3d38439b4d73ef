#include "Language.h"

#include <QCoreApplication>

std::optional<Language> LanguageOfCode(const QString& code) {
    if (code == u"sr")
        return Language::Serbian;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("sr");
}

LanguageTranslations::LanguageTranslations(Language language) {
    // The program's texts are Serbian as written; in English Qt's own texts are as Qt has them.
    const QString file = language == Language::English
                             ? QStringLiteral(":/translations/tavulin_en.qm")
                             : QStringLiteral(":/translations/qt_sr.qm");
    if (translator_.load(file))
        QCoreApplication::installTranslator(&translator_);
}

LanguageTranslations::~LanguageTranslations() {
    // Taken out before the application object could ask it again.
    QCoreApplication::removeTranslator(&translator_);
}
