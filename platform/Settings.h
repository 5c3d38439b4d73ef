#pragma once

#include <QString>
#include <optional>

namespace platform {

// The program's settings, kept between runs. Values are texts; an absent key gives the default.
class Settings {
public:
    virtual ~Settings() = default;
    virtual QString Value(const QString& key, const QString& fallback = {}) const = 0;
    virtual void SetValue(const QString& key, const QString& value) = 0;
};

// The keys, one place for all of them.
namespace SettingKeys {
// The results store's file; empty means the user's data folder.
inline const QString Database = QStringLiteral("store/database");
// A lab's PostgreSQL server, postgresql://user@host:port/db, which the results go on to; empty
// means none. Never with a password: the client library takes it from ~/.pgpass or PGPASSWORD.
inline const QString Server = QStringLiteral("store/server");
// The name the sessions of this computer carry; empty means the computer's name.
inline const QString Station = QStringLiteral("store/station");
// Results under this many milliseconds are counted as anticipations, not reactions.
inline const QString AnticipationMs = QStringLiteral("figures/anticipation_ms");
// Results of this many milliseconds or more are counted as lapses of attention.
inline const QString LapseMs = QStringLiteral("figures/lapse_ms");
// The language of the window, "sr" or "en"; empty means Serbian. Read when the program starts.
inline const QString Language = QStringLiteral("window/language");
} // namespace SettingKeys

// What the settings dialog shows and changes.
struct SettingsValues {
    QString station;
    QString database;
    int anticipationMs = 100;
    int lapseMs = 500;
    // "sr" or "en".
    QString language = QStringLiteral("sr");
    QString server;
};

class SettingsDialog {
public:
    virtual ~SettingsDialog() = default;
    // True when the user accepted; `values` then hold what they set.
    virtual bool Edit(SettingsValues& values) = 0;
};

// A line of text the user types, such as a participant's label. Nothing when they cancel.
struct TextQuestion {
    QString title;
    QString label;
    QString text;
};

class TextInput {
public:
    virtual ~TextInput() = default;
    virtual std::optional<QString> AskText(const TextQuestion& question) = 0;
};

} // namespace platform
