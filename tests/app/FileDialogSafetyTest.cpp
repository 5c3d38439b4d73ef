#include "SystemDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Qt's own dialog over a temporary folder holding the folder "keep" with a file in it, shown
// without blocking so that the test can press its keys and trigger its actions.
class FileDialogSafety : public ::testing::TestWithParam<QFileDialog::AcceptMode> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir.path()).mkdir("keep"));
        QFile inside(dir.filePath("keep/result.csv"));
        ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
        inside.write("1,250\n");
        inside.close();
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(GetParam());
        dialog.setDirectory(dir.path());
        KeepFilesSafe(dialog);
        dialog.show();
        // A dialog that does delete asks first: the question is answered yes, as the user
        // who lost a folder did.
        QObject::connect(&answerYes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
        });
        answerYes.start(10);
    }
    // The view's row for "keep", once the model has read the folder.
    QModelIndex Keep() {
        auto* model = dialog.findChild<QFileSystemModel*>();
        if (!model)
            return {};
        QModelIndex index;
        QTest::qWaitFor([&] {
            index = model->index(dir.filePath("keep"));
            return index.isValid();
        });
        return index;
    }

    QTemporaryDir dir;
    QFileDialog dialog;
    QTimer answerYes;
};

TEST_P(FileDialogSafety, NeitherDeleteNorRenameTouchesAFolder) {
    auto* view = dialog.findChild<QAbstractItemView*>("listView");
    ASSERT_NE(view, nullptr);
    const QModelIndex keep = Keep();
    ASSERT_TRUE(keep.isValid());
    auto* model = dialog.findChild<QFileSystemModel*>();
    const QModelIndex shown = view->model() == model ? keep : QModelIndex();
    view->setFocus();
    ASSERT_TRUE(shown.isValid());
    view->setCurrentIndex(shown);
    view->selectionModel()->select(shown,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::keyClick(view, Qt::Key_Delete);
    for (const char* name : {"qt_delete_action", "qt_rename_action"})
        if (auto* action = dialog.findChild<QAction*>(name))
            action->trigger();
    QTest::keyClick(view, Qt::Key_F2);
    QApplication::processEvents();
    EXPECT_TRUE(QFile::exists(dir.filePath("keep/result.csv")));
    EXPECT_FALSE(model->flags(keep) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->isReadOnly());
    dialog.close();
}

TEST(FileDialogSafetySave, KeepsNewFolder) {
    QTemporaryDir dir;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(dir.path());
    KeepFilesSafe(dialog);
    dialog.show();
    auto* newFolder = dialog.findChild<QAbstractButton*>("newFolderButton");
    ASSERT_NE(newFolder, nullptr);
    EXPECT_TRUE(newFolder->isEnabled());
    newFolder->click();
    QApplication::processEvents();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    dialog.close();
}

INSTANTIATE_TEST_SUITE_P(OpenAndSave, FileDialogSafety,
                         ::testing::Values(QFileDialog::AcceptOpen, QFileDialog::AcceptSave));

} // namespace
