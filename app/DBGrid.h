#pragma once

#include "DBGridModel.h"

#include <QAbstractItemDelegate>
#include <QPointer>
#include <QTableView>

class QLineEdit;

// A data grid: the records of a data source as rows under a title row, a row indicator at the
// left marking the current record (triangle: browsing, I-beam: editing, star: new record).
// The current row and the dataset's current record follow each other.
//
// Keyboard: typing in a cell starts editing the current record; Enter or leaving the row posts
// it, Escape drops it; Insert inserts a record, Down on the last row appends one, Ctrl+Delete
// deletes the current record after asking; Tab moves from cell to cell. Columns can be resized.
// A value the field refuses is shown on the error display and stays in its cell editor.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    TDBGrid(platform::ErrorDisplay& errors, platform::Questions& questions,
            QWidget* parent = nullptr);

    TDataSource* DataSource() const { return model_->DataSource(); }
    void SetDataSource(TDataSource* source);
    void SetColumns(std::vector<TDBGridColumn> columns);
    void SetTitleFont(const QFont& font);
    TDBGridModel* GridModel() const { return model_; }

    // Deletes the current record after the question "Delete record?".
    void DeleteCurrentRecord();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    // Tab stops at the last cell and Shift+Tab at the first instead of wrapping around.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    friend class TDBGridDelegate;
    // Starts editing the current record for a cell editor that is about to open.
    bool BeginCellEdit(QLineEdit* editor, int column);
    // The view's current row goes to the dataset's current record.
    void FollowDataSet();
    void MoveDataSetTo(int row);
    void AppendBelowLastRow();
    void ApplyColumnWidths();
    void HandOverEditorValue();

    platform::ErrorDisplay& errors_;
    platform::Questions& questions_;
    TDBGridModel* model_;
    QPointer<QLineEdit> editor_;
    int editorColumn_ = -1;
    bool following_ = false;
};
