#pragma once

#include <QDateTime>
#include <QString>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace store {

enum class SessionKind { Reaction, Calibration };

// Where a row came from. The names are kept in the database and in exported files. A false
// start is a press before the stimulus: its time runs from the yellow panel's paint to the press
// and is NaN where the platform gives no event times. It is no result: the results table and
// the reaction figures leave it out.
enum class RowKind { Measured, Imported, Entered, Calibration, FalseStart };

// What a measured time counts from: the screen's report of the frame that showed the stimulus,
// or the program's drawing of it where the screen gives no such report. Rows that were not
// measured, and rows of versions that did not keep it, have none.
enum class Onset { None, Frame, Drawing };

QString KindName(SessionKind kind);
QString KindName(RowKind kind);
// The same name without a conversion, for writing many rows.
std::string_view StoredName(RowKind kind);
// Throws StoreError for a name no version of the program writes.
SessionKind SessionKindFromName(const QString& name);
RowKind RowKindFromName(const QString& name);
// "frame", "drawing", or an empty text for none; an unknown name throws StoreError.
QString OnsetName(Onset onset);
Onset OnsetFromName(const QString& name);
std::string_view StoredName(Onset onset);

// One row of a session as the results table shows it. A calibration row also keeps the same
// sleep as timed by the cycle counter two ways; elsewhere those are NaN.
struct SessionRow {
    double trial = 0;
    double ms = 0;
    RowKind kind = RowKind::Measured;
    QDateTime at;
    double cyclesMs = NAN;
    double reportedClockMs = NAN;
    // A measured time's onset and how far it may be off, in milliseconds (NaN where unknown).
    Onset onset = Onset::None;
    double uncertaintyMs = NAN;

    bool operator==(const SessionRow& other) const;
};

struct SessionHeader {
    // Unique across computers, so that a session moved between them is recognised.
    QString uid;
    SessionKind kind = SessionKind::Reaction;
    QString station;
    QString participant;
    QDateTime started;
    QDateTime ended;
    // What a calibration run was set to and what it reported, as "key=value" lines.
    QString settings;

    bool operator==(const SessionHeader& other) const = default;
};

struct Session {
    SessionHeader header;
    std::vector<SessionRow> rows;
};

// One value of a header's settings ("key=value" lines), or an empty text when it has none.
QString SettingValue(const SessionHeader& header, const QString& key);

// A new session's header: a fresh uid, started now.
SessionHeader NewSessionHeader(SessionKind kind, const QString& station,
                               const QString& participant);

} // namespace store
