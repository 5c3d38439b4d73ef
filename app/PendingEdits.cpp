// An edit typed into a grid and not yet confirmed, settled before the results are read.
#include "AppTitle.h"
#include "DBGrid.h"
#include "ErrorText.h"
#include "Guarded.h"
#include "MainForm.h"

#include <QCloseEvent>

namespace {

const char* const DropEditQuestion =
    QT_TRANSLATE_NOOP("TMainForm", "Izmena u tabeli nije prihvaćena. Zatvoriti program bez nje?");
const char* const DropUnkeptQuestion = QT_TRANSLATE_NOOP(
    "TMainForm", "Neki rezultati nisu upisani u bazu (%1). Zatvoriti program bez njih?");

} // namespace

void TMainForm::SettlePendingEdits() {
    // Posting hands the open cell editor's text to the record first.
    for (TSeriesDataSet* dataSet : {&Series0DataSet, &SeriesDataSet2})
        if (dataSet->Active())
            dataSet->CheckBrowseMode();
}

void TMainForm::DropPendingEdits() {
    for (TDBGrid* grid : {DBGrid1, DBGrid2, DBGrid3})
        if (grid)
            grid->DropPendingEdit();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (Guarded(services_.errors, [this] { SettlePendingEdits(); }) ||
        services_.questions.Confirm(
            {tr(DropEditQuestion), ApplicationTitle, platform::Question::Answers::YesNo})) {
        DropPendingEdits();
        // The store keeps everything shown; only rows it could not take would be lost.
        keeper_->Retry();
        if (keeper_->HasStore() && !keeper_->AllKept() &&
            !services_.questions.Confirm(
                {tr(DropUnkeptQuestion).arg(MessageText(keeper_->Problem())), ApplicationTitle,
                 platform::Question::Answers::YesNo})) {
            event->ignore();
            return;
        }
        event->accept();
        return;
    }
    event->ignore();
}
