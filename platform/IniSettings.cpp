#include "IniSettings.h"

namespace platform {

IniSettings::IniSettings()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavulin"),
                QStringLiteral("Tavulin")) {}

IniSettings::IniSettings(const QString& file) : settings_(file, QSettings::IniFormat) {}

QString IniSettings::Value(const QString& key, const QString& fallback) const {
    return settings_.value(key, fallback).toString();
}

void IniSettings::SetValue(const QString& key, const QString& value) {
    settings_.setValue(key, value);
    settings_.sync();
}

} // namespace platform
