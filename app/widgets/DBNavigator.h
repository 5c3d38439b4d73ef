#pragma once

#include "DataSource.h"
#include "MessageBoxes.h"

#include <QWidget>
#include <array>
#include <initializer_list>

class QToolButton;

enum TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh
};

// A record navigator: a row of buttons that move through the records of a data source's
// dataset and run its edit cycle. A button is disabled while its operation is not possible:
// First and Prior on the first record, Next and Last on the last, Post and Cancel unless a
// record is being edited or inserted, Edit and Insert while one is, Delete on an empty table,
// and Edit on an empty table when there is no Insert button.
class TDBNavigator : public QWidget, private TDataLink {
    Q_OBJECT
public:
    TDBNavigator(platform::ErrorDisplay& errors, platform::Questions& questions,
                 QWidget* parent = nullptr);

    TDataSource* DataSource() const { return TDataLink::DataSource(); }
    void SetDataSource(TDataSource* source) { TDataLink::SetDataSource(source); }

    // The buttons shown, always in the order of TNavigateBtn; they share the width.
    void SetVisibleButtons(std::initializer_list<TNavigateBtn> buttons);
    // Null for a button that is not shown.
    QToolButton* Button(TNavigateBtn button) const;

    // Delete asks "Delete record?" first; on by default.
    bool ConfirmDelete() const { return confirmDelete_; }
    void SetConfirmDelete(bool value) { confirmDelete_ = value; }

    // What a click on the button does; nothing for a button that is hidden or disabled.
    void BtnClick(TNavigateBtn button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    platform::ErrorDisplay& errors_;
    platform::Questions& questions_;
    void ActiveChanged() override { UpdateButtons(); }
    void DataSetChanged() override { UpdateButtons(); }
    void DataSetScrolled() override { UpdateButtons(); }
    void EditingChanged() override { UpdateButtons(); }
    void UpdateButtons();
    void LayOutButtons();

    std::array<QToolButton*, nbRefresh + 1> buttons_{};
    std::array<bool, nbRefresh + 1> shown_{};
    bool confirmDelete_ = true;
};
