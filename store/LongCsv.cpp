#include "LongCsv.h"

#include "StoreError.h"

#include <QString>
#include <array>
#include <charconv>
#include <cmath>
#include <map>

namespace store {

namespace {

// The columns as written. Files of earlier versions end after "settings" and still read.
const std::array<std::string_view, 15> Columns{
    "session",      "station",           "start",    "end",   "participant",
    "session_kind", "row_kind",          "trial",    "rt_ms", "time",
    "cycles_ms",    "reported_clock_ms", "settings", "onset", "uncertainty_ms"};
constexpr std::size_t EarlierColumns = 13;

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Field(const QString& text) {
    return Field(std::string_view(text.toStdString()));
}

std::string Number(double v) {
    if (std::isnan(v))
        return {};
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v).ptr;
    return std::string(buffer.data(), end);
}

std::string Time(const QDateTime& t) {
    return t.toUTC().toString(Qt::ISODateWithMs).toStdString();
}

// `what` is a marked text that starts with the line, its %1; `arguments` fill %2 on.
[[noreturn]] void Refuse(int line, const char* what, const QStringList& arguments = {}) {
    throw StoreError(what, QStringList{QString::number(line)} + arguments);
}

// Splits the text into records of fields, quotes undone; line numbers from 1.
struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

std::vector<Record> Records(std::string_view text) {
    std::vector<Record> records;
    Record current{1, {}};
    std::string field;
    bool quoted = false, started = false;
    int line = 1;
    const auto endField = [&] {
        current.fields.push_back(std::move(field));
        field.clear();
        started = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
        } else if (c == '"' && field.empty() && !started) {
            quoted = started = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endField();
            if (!(current.fields.size() == 1 && current.fields[0].empty()))
                records.push_back(std::move(current));
            current = Record{++line, {}};
        } else {
            started = true;
            field += c;
        }
    }
    if (quoted)
        Refuse(current.line, QT_TRANSLATE_NOOP("Store", "Red %1: navodnik nije zatvoren"));
    if (started || !field.empty() || !current.fields.empty()) {
        endField();
        records.push_back(std::move(current));
    }
    return records;
}

double ReadNumber(const Record& r, const std::string& text, bool optional) {
    if (text.empty() && optional)
        return NAN;
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: \"%2\" nije broj"),
               {QString::fromStdString(text).left(40)});
    return v;
}

QDateTime ReadTime(const Record& r, const std::string& text) {
    const QDateTime t = QDateTime::fromString(QString::fromStdString(text), Qt::ISODateWithMs);
    if (!t.isValid())
        Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: \"%2\" nije vreme"),
               {QString::fromStdString(text).left(40)});
    return t.toUTC();
}

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

std::string WriteLongCsv(std::span<const Session> sessions) {
    std::string out;
    for (std::size_t c = 0; c < Columns.size(); ++c)
        out += (c ? "," : "") + std::string(Columns[c]);
    out += "\r\n";
    for (const Session& s : sessions) {
        const std::string head = Field(s.header.uid) + ',' + Field(s.header.station) + ',' +
                                 Time(s.header.started) + ',' + Time(s.header.ended) + ',' +
                                 Field(s.header.participant) + ',' +
                                 Field(KindName(s.header.kind)) + ',';
        const std::string settings = Field(s.header.settings);
        for (const SessionRow& r : s.rows) {
            out += head;
            out += KindName(r.kind).toStdString() + ',' + Number(r.trial) + ',' + Number(r.ms) +
                   ',' + Time(r.at) + ',' + Number(r.cyclesMs) + ',' + Number(r.reportedClockMs) +
                   ',' + settings + ',' + OnsetName(r.onset).toStdString() + ',' +
                   Number(r.uncertaintyMs) + "\r\n";
        }
    }
    return out;
}

std::vector<Session> ReadLongCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::vector<Record> records = Records(text);
    if (records.empty())
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Datoteka ne sadrži nijednu sesiju."));
    const Record& header = records.front();
    const std::size_t columns = header.fields.size();
    if ((columns != Columns.size() && columns != EarlierColumns) ||
        !std::equal(header.fields.begin(), header.fields.end(), Columns.begin()))
        Refuse(header.line,
               QT_TRANSLATE_NOOP("Store", "Red %1: zaglavlje nije zaglavlje izvezenih sesija"));

    std::vector<Session> sessions;
    std::map<std::string, std::size_t> byUid;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& r = records[i];
        if (r.fields.size() != columns)
            Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: red treba da ima %2 polja"),
                   {QString::number(columns)});
        const auto& f = r.fields;
        if (f[0].empty())
            Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: sesija nema oznaku"));
        auto [at, added] = byUid.emplace(f[0], sessions.size());
        if (added) {
            Session s;
            s.header.uid = Text(f[0]);
            s.header.station = Text(f[1]);
            s.header.started = ReadTime(r, f[2]);
            s.header.ended = ReadTime(r, f[3]);
            s.header.participant = Text(f[4]);
            try {
                s.header.kind = SessionKindFromName(Text(f[5]));
            } catch (const StoreError& e) {
                Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: Nepoznata vrsta \"%2\"."),
                       e.Message().Arguments());
            }
            s.header.settings = Text(f[12]);
            sessions.push_back(std::move(s));
        }
        SessionRow row;
        try {
            row.kind = RowKindFromName(Text(f[6]));
        } catch (const StoreError& e) {
            Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: Nepoznata vrsta \"%2\"."),
                   e.Message().Arguments());
        }
        row.trial = ReadNumber(r, f[7], false);
        row.ms = ReadNumber(r, f[8], row.kind == RowKind::FalseStart);
        row.at = ReadTime(r, f[9]);
        row.cyclesMs = ReadNumber(r, f[10], true);
        row.reportedClockMs = ReadNumber(r, f[11], true);
        if (columns > EarlierColumns) {
            try {
                row.onset = OnsetFromName(Text(f[13]));
            } catch (const StoreError& e) {
                Refuse(r.line, QT_TRANSLATE_NOOP("Store", "Red %1: Nepoznata vrsta \"%2\"."),
                       e.Message().Arguments());
            }
            row.uncertaintyMs = ReadNumber(r, f[14], true);
        }
        sessions[at->second].rows.push_back(row);
    }
    return sessions;
}

} // namespace store
