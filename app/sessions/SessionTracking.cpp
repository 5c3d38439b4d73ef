// The session behind the results table: every change of the results series becomes a change of
// the current session, and the keeper writes it through to the store.
#include "Button.h"
#include "DBGrid.h"
#include "DBNavigator.h"
#include "ErrorText.h"
#include "MainForm.h"
#include "StoreError.h"

#include <QDateTime>
#include <QLabel>
#include <QSysInfo>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

using store::RowKind;
using store::SessionKind;
using store::SessionRow;

namespace {

// The rows the table now shows, each keeping the kind and time it had where it is unchanged or
// only edited; a new row is `fresh` with its place and time. Changes come one at a time (a post, an
// insertion, a deletion, rows appended), so the rows before and after the change are the same on
// both sides.
std::vector<SessionRow> Reconciled(const std::vector<SessionRow>& old,
                                   const std::vector<std::pair<double, double>>& shown,
                                   const SessionRow& fresh) {
    const auto same = [&](std::size_t o, std::size_t s) {
        return old[o].trial == shown[s].first && old[o].ms == shown[s].second;
    };
    std::size_t head = 0;
    while (head < old.size() && head < shown.size() && same(head, head))
        ++head;
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < shown.size() - head &&
           same(old.size() - 1 - tail, shown.size() - 1 - tail))
        ++tail;
    const std::size_t oldMiddle = old.size() - head - tail;
    const std::size_t newMiddle = shown.size() - head - tail;

    std::vector<SessionRow> rows(old.begin(), old.begin() + std::ptrdiff_t(head));
    rows.reserve(shown.size());
    for (std::size_t i = 0; i < newMiddle; ++i) {
        const auto& [trial, ms] = shown[head + i];
        SessionRow row;
        if (oldMiddle == newMiddle) {
            // An edit: the row stays what it was, with its new values.
            row = old[head + i];
        } else {
            row = fresh;
        }
        row.trial = trial;
        row.ms = ms;
        rows.push_back(row);
    }
    rows.insert(rows.end(), old.end() - std::ptrdiff_t(tail), old.end());
    return rows;
}

// The false starts of a session, each with the count of table rows before it.
struct SetAside {
    std::vector<SessionRow> tableRows;
    std::vector<std::pair<std::size_t, SessionRow>> falseStarts;
};

SetAside SetFalseStartsAside(const std::vector<SessionRow>& rows) {
    SetAside split;
    for (const SessionRow& row : rows) {
        if (row.kind == RowKind::FalseStart)
            split.falseStarts.emplace_back(split.tableRows.size(), row);
        else
            split.tableRows.push_back(row);
    }
    return split;
}

// The table rows with the false starts back where they were among them.
std::vector<SessionRow> WithFalseStarts(const std::vector<SessionRow>& tableRows,
                                        const SetAside& split) {
    std::vector<SessionRow> rows;
    rows.reserve(tableRows.size() + split.falseStarts.size());
    std::size_t next = 0;
    for (const auto& [before, row] : split.falseStarts) {
        for (; next < std::min(before, tableRows.size()); ++next)
            rows.push_back(tableRows[next]);
        rows.push_back(row);
    }
    rows.insert(rows.end(), tableRows.begin() + std::ptrdiff_t(next), tableRows.end());
    return rows;
}

std::vector<std::pair<double, double>> Points(const TChartSeries& series) {
    std::vector<std::pair<double, double>> points;
    points.reserve(std::size_t(series.PointCount()));
    for (int i = 0; i < series.PointCount(); ++i)
        points.emplace_back(series.XValues().ValueAt(i), series.YValues().ValueAt(i));
    return points;
}

} // namespace

QString TMainForm::Station() const {
    const QString station = services_.settings.Value(platform::SettingKeys::Station);
    return station.isEmpty() ? QSysInfo::machineHostName() : station;
}

void TMainForm::KeepSessionsIn(store::TSessionKeeper& keeper) {
    keeper_ = &keeper;
    keeper_->OnNotice = [this](const store::StoreMessage& notice) {
        services_.errors.Show(MessageText(notice));
    };
    keeper_->OnStateChange = [this] { UpdateStoreStatus(); };
    // Opened now, so that what opening found is said at start.
    keeper_->Retry();
    storeRetry_->start();
    UpdateStoreStatus();
}

void TMainForm::RetryStore() {
    keeper_->Retry();
    RetryServer();
    UpdateStoreStatus();
}

void TMainForm::UpdateStoreStatus() {
    if (!keeper_->HasStore()) {
        StoreStatusText->setText(tr("Rezultati se ne čuvaju"));
        StoreStatusText->setToolTip(tr("Program je pokrenut bez baze rezultata."));
    } else if (keeper_->Problem().IsEmpty()) {
        StoreStatusText->setText(tr("Rezultati se čuvaju"));
        StoreStatusText->setToolTip(keeper_->Store() ? keeper_->Store()->Path() : QString());
    } else {
        StoreStatusText->setText(tr("Rezultati se ne čuvaju"));
        StoreStatusText->setToolTip(MessageText(keeper_->Problem()));
    }
    ShowServerStatus();
}

void TMainForm::SyncSession(RowKind kind, store::Onset onset, double uncertaintyMs) {
    const bool calibration =
        session_.header.kind == SessionKind::Calibration && !session_.header.uid.isEmpty();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The table shows no false starts: the table's rows are reconciled without them.
    const SetAside split = SetFalseStartsAside(session_.rows);
    SessionRow fresh;
    fresh.kind = kind;
    fresh.at = now;
    fresh.onset = onset;
    fresh.uncertaintyMs = uncertaintyMs;
    std::vector<SessionRow> tableRows = Reconciled(split.tableRows, Points(Series0), fresh);
    if (calibration && Series1.PointCount() == int(tableRows.size())) {
        // DBGrid2 edits the cycle-counter timings of the same iterations.
        for (std::size_t i = 0; i < tableRows.size(); ++i)
            tableRows[i].cyclesMs = Series1.YValues().ValueAt(int(i));
    }
    std::vector<SessionRow> rows = WithFalseStarts(tableRows, split);
    if (rows == session_.rows)
        return;
    if (sessionReadOnly_) {
        // Results loaded over another station's session make a session of this station.
        session_ = {};
        SetSessionReadOnly(false);
    }
    if (session_.header.uid.isEmpty()) {
        session_.header = store::NewSessionHeader(SessionKind::Reaction, Station(), participant_);
        sessionTakesTrials_ = true;
    }
    session_.rows = std::move(rows);
    session_.header.ended = now;
    keeper_->Keep(session_);
    UpdateStoreStatus();
    UpdateFigures();
}

void TMainForm::AppendResults(std::span<const double> milliseconds, RowKind kind,
                              store::Onset onset, double uncertaintyMs) {
    for (const double ms : milliseconds)
        DBChart1.Series(0).AddValue(ms, {}, DefaultPointColor);
    // Reopening gives the new points their record ids; the grids reload on the first record.
    Series0DataSet.Close();
    Series0DataSet.Open();
    SyncSession(kind, onset, uncertaintyMs);
}

void TMainForm::StartNewSession() {
    for (int i = 0; i < 3; ++i)
        DBChart1.Series(i).RemoveAllPoints();
    Series0DataSet.Close();
    Series0DataSet.Open();
    SeriesDataSet2.Close();
    SeriesDataSet2.Open();
    calibrationPoints_.clear();
    session_ = {};
    sessionTakesTrials_ = true;
    SetSessionReadOnly(false);
    UpdateFigures();
}

void TMainForm::SetSessionReadOnly(bool readOnly) {
    if (readOnly == sessionReadOnly_)
        return;
    sessionReadOnly_ = readOnly;
    for (TDBGrid* grid : {DBGrid1, DBGrid2, DBGrid3})
        grid->SetReadOnly(readOnly);
    for (TDBNavigator* navigator : {DBNavigator1, DBNavigatorKalib})
        navigator->setEnabled(!readOnly);
    if (!readOnly)
        return;
    const QString text = tr("Sesija stanice %1 je samo za čitanje: menja je "
                            "samo ta stanica. Kreni počinje novu sesiju.")
                             .arg(session_.header.station);
    SetStatusText(text);
    AppendMemoLine(text);
}

void TMainForm::KeepCalibrationRun(const QString& settings) {
    session_ = {};
    session_.header = store::NewSessionHeader(SessionKind::Calibration, Station(), participant_);
    session_.header.settings = settings;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int n = Series0.PointCount();
    const double sleep = Series2.PointCount() ? Series2.YValues().ValueAt(0) : 0;
    for (int i = 0; i < n; ++i) {
        SessionRow row;
        row.kind = RowKind::Calibration;
        row.trial = Series0.XValues().ValueAt(i);
        row.ms = Series0.YValues().ValueAt(i);
        row.at = now;
        if (i < Series1.PointCount())
            row.cyclesMs = Series1.YValues().ValueAt(i);
        if (i < Series3.PointCount())
            row.reportedClockMs = Series3.YValues().ValueAt(i) + sleep;
        session_.rows.push_back(row);
    }
    sessionTakesTrials_ = false;
    keeper_->Keep(session_);
    UpdateStoreStatus();
    UpdateFigures();
}

void TMainForm::ShowSession(const store::Session& session, bool readOnly) {
    StartNewSession();
    for (int i = 0; i < 3; ++i)
        DBChart3.Series(i).RemoveAllPoints();
    const bool calibration = session.header.kind == SessionKind::Calibration;
    const double sleep = store::SettingValue(session.header, QStringLiteral("sleep")).toDouble();
    for (const SessionRow& row : session.rows) {
        if (row.kind == RowKind::FalseStart)
            continue;
        Series0.AddPoint(row.trial, row.ms, {}, DefaultPointColor);
        if (!calibration)
            continue;
        calibrationPoints_.emplace_back(row.trial, row.ms);
        Series1.AddPoint(row.trial, row.cyclesMs, {}, DefaultPointColor);
        Series2.AddPoint(row.trial, sleep, {}, DefaultPointColor);
        SeriesQueryPerformance.AddPoint(row.trial, row.ms - sleep, {}, DefaultPointColor);
        SeriesRDTSC.AddPoint(row.trial, row.cyclesMs - sleep, {}, DefaultPointColor);
        Series3.AddPoint(row.trial, row.reportedClockMs - sleep, {}, DefaultPointColor);
    }
    std::sort(calibrationPoints_.begin(), calibrationPoints_.end());
    Series0DataSet.Close();
    Series0DataSet.Open();
    SeriesDataSet2.Close();
    SeriesDataSet2.Open();
    session_ = session;
    sessionTakesTrials_ = false;
    UpdateFigures();
    SetSessionReadOnly(readOnly);
    if (calibration) {
        // The read-only notice stays in the status bar; the run's status is in the list.
        if (!readOnly)
            SetStatusText(store::SettingValue(session.header, QStringLiteral("status")));
        PageControl1->setCurrentWidget(TabSheet4);
    } else {
        PageControl1->setCurrentWidget(TabSheet2);
    }
}
