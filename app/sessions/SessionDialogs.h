#pragma once

#include "Settings.h"

// The settings dialog and the one-line text prompt on the window system, modal over the
// active window.

class SystemSettingsDialog final : public platform::SettingsDialog {
public:
    bool Edit(platform::SettingsValues& values) override;
};

class SystemTextInput final : public platform::TextInput {
public:
    std::optional<QString> AskText(const platform::TextQuestion& question) override;
};
