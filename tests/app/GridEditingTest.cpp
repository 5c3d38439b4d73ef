// Editing in the data grids: refused values, the cell editor's life, the focus.
#include "ResultViewsFixture.h"

namespace {

struct GridEditing : ResultViews {
    QLineEdit* FocusedEditor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
};

} // namespace

TEST_F(GridEditing, ARefusedValueAnsweredInAModalBoxWaitsInItsCell) {
    AnswerErrorsInAModalBox();
    Record({200});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 1);
    Type("a");
    Key(Qt::Key_Return);
    EXPECT_EQ(errors, QStringList{"'a' is not a valid floating point value."});
    EXPECT_EQ(Results().State(), dsEdit);
    QLineEdit* editor = FocusedEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "a");
    editor->setText("250");
    Key(Qt::Key_Return);
    EXPECT_EQ(Y(0), 250);
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(GridEditing, LeavingThePageDropsTheRefusedEditAndLetsTheFocusGo) {
    Record({200});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 1);
    Type("x");
    Key(Qt::Key_Return);
    ASSERT_EQ(errors.size(), 1);
    ASSERT_NE(FocusedEditor(), nullptr);

    form->PageControl1->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_EQ(Y(0), 200);
    EXPECT_FALSE(grid->isAncestorOf(QApplication::focusWidget()));
    // The focus goes where the user puts it, and E starts a trial from a button again.
    form->KreniButton->setFocus();
    Key(Qt::Key_E);
    EXPECT_EQ(form->RPanel->Color(), clYellow);
    form->Memo1->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), form->Memo1);
    EXPECT_EQ(errors.size(), 1) << "no more boxes for a table off screen";
}

TEST_F(GridEditing, ARecordedResultEndsARefusalAndTheRowFollowsTheKeysAgain) {
    Record({200, 210});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 1);
    Type("x");
    Key(Qt::Key_Return);
    ASSERT_EQ(errors.size(), 1);

    RunTrialWithResponseAfter(300); // the dataset is closed and reopened
    EXPECT_FALSE(grid->GridModel()->HoldsRefusedText());
    Grid();
    SelectCell(grid, 0, 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(Results().RecNo(), 2);
    SelectCell(grid, 2, 0);
    EXPECT_EQ(Results().RecNo(), 3);
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(GridEditing, TheCalibrationNavigatorCannotEditAnEmptyTableIntoANewPoint) {
    TDBNavigator* kalib = form->DBNavigatorKalib;
    EXPECT_FALSE(kalib->Button(nbEdit)->isEnabled());
    kalib->BtnClick(nbEdit);
    kalib->BtnClick(nbPost);
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_EQ(form->Series0.PointCount(), 0);
    Record({200});
    EXPECT_TRUE(kalib->Button(nbEdit)->isEnabled());
    // A bar with an Insert button may still start a new record on an empty table.
    form->DBNavigator1->Button(nbDelete)->click();
    EXPECT_TRUE(form->DBNavigator1->Button(nbInsert)->isEnabled());
}
