// The line of figures under the reaction panel, and the false starts it counts.
#include "FigureTexts.h"
#include "MainForm.h"

#include <QLabel>
#include <algorithm>

using store::RowKind;
using store::SessionKind;
using store::SessionRow;

namespace {

int LimitSetting(const platform::Settings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.Value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

CalibrationFiguresLine CalibrationFigures(const store::Session& session) {
    CalibrationFiguresLine line;
    const double sleep = store::SettingValue(session.header, QStringLiteral("sleep")).toDouble();
    line.clockMhz = store::SettingValue(session.header, QStringLiteral("clock_mhz")).toDouble();
    bool first = true;
    for (const SessionRow& row : session.rows) {
        const double qp = row.ms - sleep;
        const double cycles = row.cyclesMs - sleep;
        if (first) {
            line.queryPerformanceAbove = line.queryPerformanceBelow = qp;
            line.cyclesAbove = line.cyclesBelow = cycles;
            first = false;
            continue;
        }
        line.queryPerformanceAbove = std::max(line.queryPerformanceAbove, qp);
        line.queryPerformanceBelow = std::min(line.queryPerformanceBelow, qp);
        line.cyclesAbove = std::max(line.cyclesAbove, cycles);
        line.cyclesBelow = std::min(line.cyclesBelow, cycles);
    }
    return line;
}

} // namespace

FigureLimits TMainForm::CurrentFigureLimits() const {
    const FigureLimits defaults;
    return {LimitSetting(services_.settings, platform::SettingKeys::AnticipationMs,
                         defaults.anticipationMs),
            LimitSetting(services_.settings, platform::SettingKeys::LapseMs, defaults.lapseMs)};
}

void TMainForm::UpdateFigures() {
    if (session_.header.kind == SessionKind::Calibration && !session_.header.uid.isEmpty()) {
        FiguresText->setText(CalibrationFiguresText(CalibrationFigures(session_)));
        return;
    }
    ReactionFiguresLine line;
    std::vector<double> times;
    times.reserve(session_.rows.size());
    for (const SessionRow& row : session_.rows) {
        if (row.kind == RowKind::FalseStart)
            ++line.falseStarts;
        else
            times.push_back(row.ms);
    }
    runningFigures_.Set(times);
    line.figures = runningFigures_.Figures();
    line.limits = CurrentFigureLimits();
    line.anticipations = runningFigures_.CountBelow(line.limits.anticipationMs);
    line.lapses = runningFigures_.CountFrom(line.limits.lapseMs);
    FiguresText->setText(ReactionFiguresText(line));
}

void TMainForm::RecordFalseStart(std::optional<double> milliseconds) {
    if (!sessionTakesTrials_)
        StartNewSession();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (session_.header.uid.isEmpty()) {
        session_.header = store::NewSessionHeader(SessionKind::Reaction, Station(), participant_);
        sessionTakesTrials_ = true;
    }
    SessionRow row;
    row.kind = RowKind::FalseStart;
    // The trial it cancelled: the one the next result takes.
    row.trial = Series0.PointCount();
    row.ms = milliseconds.value_or(NAN);
    row.at = now;
    session_.rows.push_back(row);
    session_.header.ended = now;
    keeper_->Keep(session_);
    UpdateStoreStatus();
    UpdateFigures();
}
