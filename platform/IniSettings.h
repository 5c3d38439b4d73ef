#pragma once

#include "Settings.h"

#include <QSettings>

namespace platform {

// The settings in an INI file: ~/.config/Tavulin/Tavulin.conf unless a file is named.
class IniSettings final : public Settings {
public:
    IniSettings();
    explicit IniSettings(const QString& file);
    QString Value(const QString& key, const QString& fallback) const override;
    void SetValue(const QString& key, const QString& value) override;

private:
    QSettings settings_;
};

} // namespace platform
