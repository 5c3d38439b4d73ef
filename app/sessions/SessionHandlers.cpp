// The handlers of the sessions page: open, start, label, delete, export and import sessions,
// and the settings.
#include "AppTitle.h"
#include "ErrorText.h"
#include "FileTypes.h"
#include "LongCsv.h"
#include "MainForm.h"
#include "NumberText.h"
#include "SafeFile.h"
#include "StoreError.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTableWidget>
#include <algorithm>
#include <iterator>
#include <set>

using store::SessionKind;
using store::SessionSummary;

namespace {

QString KindCaption(SessionKind kind) {
    return kind == SessionKind::Calibration
               ? QCoreApplication::translate("TMainForm", "kalibracija")
               : QCoreApplication::translate("TMainForm", "merenje");
}

// The list's columns from the mean on.
constexpr int FirstFigureColumn = 5;

QString Ms(double v) {
    return FormatFixed(v, 1);
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

store::TResultsStore& TMainForm::RequireStore() {
    if (!keeper_->HasStore())
        throw store::StoreError(tr("Program je pokrenut bez baze rezultata.").toStdString());
    if (!keeper_->Store())
        throw store::StoreError(tr("Baza rezultata nije dostupna: %1")
                                    .arg(MessageText(keeper_->Problem()))
                                    .toStdString());
    return *keeper_->Store();
}

void TMainForm::RefreshSessionsList() {
    SessionsGrid->setRowCount(0);
    SessionsGrid->clearSpans();
    listedSessions_.clear();
    listedSummaries_.clear();
    if (!keeper_->Store()) {
        UpdateTrend();
        return;
    }
    const std::vector<SessionSummary> list = ListedSessions();
    SessionsGrid->setRowCount(int(list.size()));
    for (std::size_t r = 0; r < list.size(); ++r) {
        const SessionSummary& s = list[r];
        const bool timed = s.header.kind == SessionKind::Reaction;
        const QStringList cells{
            s.header.started.toLocalTime().toString(QStringLiteral("dd.MM.yyyy. HH:mm:ss")),
            s.header.station,
            s.header.participant,
            KindCaption(s.header.kind),
            QString::number(s.figures.count),
            timed ? Ms(s.figures.mean) : QString(),
            timed ? Ms(s.figures.median) : QString(),
            timed && s.figures.count > 1 ? Ms(s.figures.deviation) : QString(),
            timed ? Ms(s.figures.fastest) : QString(),
            timed ? Ms(s.figures.slowest) : QString()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (s.id == 0)
                item->setForeground(Qt::gray); // another station's: shown, not changed
            if (s.header.uid == session_.header.uid) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            SessionsGrid->setItem(int(r), c, item);
        }
        // A calibration run's own figures, as it reported them, across the reaction columns.
        if (!timed) {
            SessionsGrid->setSpan(int(r), FirstFigureColumn, 1, cells.size() - FirstFigureColumn);
            SessionsGrid->item(int(r), FirstFigureColumn)
                ->setText(store::SettingValue(s.header, QStringLiteral("status")));
            SessionsGrid->item(int(r), FirstFigureColumn)
                ->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        listedSessions_.push_back(s.id);
    }
    listedSummaries_ = list;
    UpdateTrend();
}

std::vector<std::int64_t> TMainForm::SelectedSessionIds(bool allWhenNone) const {
    std::set<int> rows;
    for (const QModelIndex& index : SessionsGrid->selectionModel()->selectedRows())
        rows.insert(index.row());
    std::vector<std::int64_t> ids;
    for (const int r : rows)
        if (r >= 0 && std::size_t(r) < listedSessions_.size() &&
            listedSessions_[std::size_t(r)] != 0)
            ids.push_back(listedSessions_[std::size_t(r)]);
    if (ids.empty() && allWhenNone)
        std::copy_if(listedSessions_.begin(), listedSessions_.end(), std::back_inserter(ids),
                     [](std::int64_t id) { return id != 0; });
    return ids;
}

void TMainForm::OpenSessionClick() {
    SettlePendingEdits();
    const std::vector<std::int64_t> ids = SelectedSessionIds(false);
    if (ids.size() != 1)
        throw store::StoreError(tr("Izaberite jednu sesiju.").toStdString());
    ShowSession(RequireStore().LoadSession(ids.front()));
    RefreshSessionsList();
}

void TMainForm::NewSessionClick() {
    SettlePendingEdits();
    StartNewSession();
    participant_.clear();
    RefreshSessionsList();
}

void TMainForm::ParticipantClick() {
    SettlePendingEdits();
    const auto label = services_.textInput.AskText(
        {tr("Učesnik"), tr("Oznaka učesnika tekuće sesije:"),
         session_.header.uid.isEmpty() ? participant_ : session_.header.participant});
    if (!label)
        return;
    participant_ = *label;
    if (session_.header.uid.isEmpty())
        return;
    session_.header.participant = *label;
    keeper_->Keep(session_);
    UpdateStoreStatus();
    RefreshSessionsList();
}

void TMainForm::DeleteKeptSessions(store::TResultsStore& store, std::span<const std::int64_t> ids) {
    std::vector<QString> uids;
    for (const SessionSummary& s : store.ListSessions())
        if (std::find(ids.begin(), ids.end(), s.id) != ids.end())
            uids.push_back(s.header.uid);
    store.DeleteSessions(ids);
    // Deleted, a session is not written again; the table that showed one starts afresh.
    for (const QString& uid : uids) {
        keeper_->Forget(uid);
        if (uid == session_.header.uid)
            StartNewSession();
    }
    RefreshSessionsList();
}

void TMainForm::DeleteSessionClick() {
    const std::vector<std::int64_t> ids = SelectedSessionIds(false);
    if (ids.empty())
        throw store::StoreError(tr("Izaberite sesiju.").toStdString());
    store::TResultsStore& store = RequireStore();
    const QString question =
        ids.size() == 1
            ? tr("Obrisati izabranu sesiju sa svim njenim rezultatima?")
            : tr("Obrisati %1 izabranih sesija sa svim njihovim rezultatima?").arg(ids.size());
    if (!services_.questions.Confirm(
            {question, ApplicationTitle, platform::Question::Answers::YesNo}))
        return;
    DeleteKeptSessions(store, ids);
}

void TMainForm::DeleteParticipantClick() {
    const std::vector<std::int64_t> ids = SelectedSessionIds(false);
    if (ids.size() != 1)
        throw store::StoreError(tr("Izaberite jednu sesiju učesnika.").toStdString());
    store::TResultsStore& store = RequireStore();
    const std::vector<SessionSummary> all = store.ListSessions();
    QString participant;
    for (const SessionSummary& s : all)
        if (s.id == ids.front())
            participant = s.header.participant;
    if (participant.isEmpty())
        throw store::StoreError(tr("Izabrana sesija nema oznaku učesnika.").toStdString());
    std::vector<std::int64_t> theirs;
    for (const SessionSummary& s : all)
        if (s.header.participant == participant)
            theirs.push_back(s.id);
    if (!services_.questions.Confirm(
            {tr("Obrisati sve sesije učesnika \"%1\" (%2)?").arg(participant).arg(theirs.size()),
             ApplicationTitle, platform::Question::Answers::YesNo}))
        return;
    DeleteKeptSessions(store, theirs);
}

void TMainForm::ExportSessionsClick() {
    store::TResultsStore& store = RequireStore();
    const std::vector<std::int64_t> ids = SelectedSessionIds(true);
    if (ids.empty())
        throw store::StoreError(tr("Nema sesija za izvoz.").toStdString());
    if (sessionsPath_.isEmpty())
        sessionsPath_ = DocumentsFile(tr("sesije.csv"));
    const auto answer =
        services_.files.AskSaveFile({tr("Izvezi sesije"), sessionsPath_, {CsvFile(), AnyFile()}});
    if (!answer)
        return;
    sessionsPath_ = answer->path;
    const std::vector<store::Session> sessions =
        SessionsToExport(store, ids, SelectedSessionIds(false).empty());
    const std::string text = store::WriteLongCsv(sessions);
    SaveFileSafely(answer->path,
                   [&](QIODevice& file) { file.write(text.data(), qint64(text.size())); });
    AppendMemoLine(tr("Izvezeno sesija: %1 u %2")
                       .arg(sessions.size())
                       .arg(QFileInfo(answer->path).fileName()));
}

void TMainForm::ImportSessionsClick() {
    store::TResultsStore& store = RequireStore();
    if (sessionsPath_.isEmpty())
        sessionsPath_ = DocumentsFile(tr("sesije.csv"));
    const auto answer =
        services_.files.AskOpenFile({tr("Uvezi sesije"), sessionsPath_, {CsvFile(), AnyFile()}});
    if (!answer)
        return;
    sessionsPath_ = answer->path;
    const QByteArray bytes = LoadWholeFile(answer->path);
    const std::vector<store::Session> sessions = store::ReadLongCsv(View(bytes));
    const int added = store.ImportSessions(sessions);
    AppendMemoLine(tr("Uvezeno sesija: %1 iz %2 (već postoji: %3)")
                       .arg(added)
                       .arg(QFileInfo(answer->path).fileName())
                       .arg(int(sessions.size()) - added));
    RefreshSessionsList();
}

void TMainForm::SettingsClick() {
    platform::SettingsValues values{services_.settings.Value(platform::SettingKeys::Station),
                                    services_.settings.Value(platform::SettingKeys::Database)};
    const FigureLimits limits = CurrentFigureLimits();
    values.anticipationMs = limits.anticipationMs;
    values.lapseMs = limits.lapseMs;
    values.language = services_.settings.Value(platform::SettingKeys::Language, values.language);
    if (values.station.isEmpty())
        values.station = QSysInfo::machineHostName();
    if (!services_.settingsDialog.Edit(values))
        return;
    services_.settings.SetValue(platform::SettingKeys::Station,
                                values.station == QSysInfo::machineHostName() ? QString()
                                                                              : values.station);
    services_.settings.SetValue(platform::SettingKeys::Database, values.database);
    services_.settings.SetValue(platform::SettingKeys::AnticipationMs,
                                QString::number(values.anticipationMs));
    services_.settings.SetValue(platform::SettingKeys::LapseMs, QString::number(values.lapseMs));
    services_.settings.SetValue(platform::SettingKeys::Language, values.language);
    UpdateFigures();
}
