#include "Session.h"

#include "StoreError.h"

#include <QUuid>
#include <array>
#include <utility>

namespace store {

namespace {

const std::array<std::pair<SessionKind, const char*>, 2> SessionKindNames{{
    {SessionKind::Reaction, "reaction"},
    {SessionKind::Calibration, "calibration"},
}};
const std::array<std::pair<RowKind, const char*>, 5> RowKindNames{{
    {RowKind::Measured, "measured"},
    {RowKind::Imported, "imported"},
    {RowKind::Entered, "entered"},
    {RowKind::Calibration, "calibration"},
    {RowKind::FalseStart, "false_start"},
}};

const std::array<std::pair<Onset, const char*>, 3> OnsetNames{{
    {Onset::None, ""},
    {Onset::Frame, "frame"},
    {Onset::Drawing, "drawing"},
}};

template <typename Kind, std::size_t N>
QString NameOf(const std::array<std::pair<Kind, const char*>, N>& names, Kind kind) {
    for (const auto& [k, name] : names)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

template <typename Kind, std::size_t N>
Kind KindOf(const std::array<std::pair<Kind, const char*>, N>& names, const QString& name) {
    for (const auto& [k, n] : names)
        if (name == QLatin1String(n))
            return k;
    throw StoreError(QT_TRANSLATE_NOOP("Store", "Nepoznata vrsta \"%1\"."), {name.left(40)});
}

bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

QString KindName(SessionKind kind) {
    return NameOf(SessionKindNames, kind);
}
QString KindName(RowKind kind) {
    return NameOf(RowKindNames, kind);
}
std::string_view StoredName(RowKind kind) {
    for (const auto& [k, name] : RowKindNames)
        if (k == kind)
            return name;
    return {};
}
SessionKind SessionKindFromName(const QString& name) {
    return KindOf(SessionKindNames, name);
}
RowKind RowKindFromName(const QString& name) {
    return KindOf(RowKindNames, name);
}

QString OnsetName(Onset onset) {
    return NameOf(OnsetNames, onset);
}
Onset OnsetFromName(const QString& name) {
    return KindOf(OnsetNames, name);
}
std::string_view StoredName(Onset onset) {
    for (const auto& [o, name] : OnsetNames)
        if (o == onset)
            return name;
    return {};
}

bool SessionRow::operator==(const SessionRow& other) const {
    return trial == other.trial && SameNumber(ms, other.ms) && kind == other.kind &&
           at == other.at && SameNumber(cyclesMs, other.cyclesMs) &&
           SameNumber(reportedClockMs, other.reportedClockMs) && onset == other.onset &&
           SameNumber(uncertaintyMs, other.uncertaintyMs);
}

QString SettingValue(const SessionHeader& header, const QString& key) {
    const QString prefix = key + u'=';
    for (const QString& line : header.settings.split(u'\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return {};
}

SessionHeader NewSessionHeader(SessionKind kind, const QString& station,
                               const QString& participant) {
    SessionHeader header;
    header.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    header.kind = kind;
    header.station = station;
    header.participant = participant;
    header.started = QDateTime::currentDateTimeUtc();
    header.ended = header.started;
    return header;
}

} // namespace store
