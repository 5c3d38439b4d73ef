#pragma once

#include "DBGrid.h"
#include "DBNavigator.h"
#include "FormFixture.h"
#include "SystemDialogs.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

struct ResultViews : FormFixture {
    // Errors answered as a person answers the real display: a modal box takes the focus and
    // runs its own event loop until OK is clicked.
    void AnswerErrorsInAModalBox() {
        fakes.errors.whileShown = [this](const QString& message) {
            const auto box = ErrorBox(message, form.get());
            QTimer ok;
            QObject::connect(&ok, &QTimer::timeout, box.get(), [&box] {
                if (box->isActiveWindow())
                    box->button(QMessageBox::Ok)->click();
            });
            ok.start(1);
            box->exec();
            // The window system gives the window back its activation (offscreen does not).
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        };
    }

    // Results as the reaction test records them.
    void Record(std::initializer_list<double> times) {
        for (double ms : times) {
            RunTrialWithResponseAfter(ms);
            form->ResetButtonClick();
        }
    }

    TSeriesDataSet& Results() { return form->Series0DataSet; }
    double X(int i) { return form->Series0.XValues().ValueAt(i); }
    double Y(int i) { return form->Series0.YValues().ValueAt(i); }

    // DBGrid1 on its shown page, with the focus.
    TDBGrid* Grid() {
        form->PageControl1->setCurrentIndex(1);
        form->DBGrid1->setFocus();
        return form->DBGrid1;
    }
    void SelectCell(TDBGrid* grid, int row, int column) {
        grid->setCurrentIndex(grid->model()->index(row, column));
    }
    // Keys go where the focus is: the grid, or the cell editor it opened.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        // What the event loop runs next, as it would before the next key.
        QCoreApplication::processEvents();
    }
    void Type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QString Cell(TDBGrid* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }
    bool Enabled(TDBNavigator* navigator, TNavigateBtn button) {
        return navigator->Button(button)->isEnabled();
    }
};

} // namespace
