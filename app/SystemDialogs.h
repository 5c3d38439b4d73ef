#pragma once

#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "PrintDialog.h"
#include "Progress.h"

#include <QMessageBox>
#include <memory>

// The program's dialogs on the window system: modal boxes for errors and questions, the file
// dialogs and the print dialog. Each opens over the active window.

// The boxes the error display and the questions open. Their text is plain: a message quotes
// what a file or the user typed, and markup in it must show as typed, never as a link or a
// layout that takes seconds to build.
std::unique_ptr<QMessageBox> ErrorBox(const QString& shown, QWidget* parent);
std::unique_ptr<QMessageBox> QuestionBox(const platform::Question& question, QWidget* parent);

class MessageBoxErrorDisplay final : public platform::ErrorDisplay {
protected:
    // An error icon, an OK button and the program's title.
    void Display(const QString& shown) override;
};

class MessageBoxQuestions final : public platform::Questions {
public:
    // The question's answers, the positive one the default.
    bool Confirm(const platform::Question& question) override;
};

class SystemFileDialogs final : public platform::FileDialogs {
public:
    std::optional<platform::FileAnswer>
    AskSaveFile(const platform::FileQuestion& question) override;
    std::optional<platform::FileAnswer>
    AskOpenFile(const platform::FileQuestion& question) override;
};

class QFileDialog;

// Qt's own file dialog deletes a folder and all it holds after one question, and renames in
// place: the program's dialogs never do either. An open dialog is read-only; a save dialog
// keeps "new folder" while its view of the files refuses to delete or rename. A dialog the
// desktop supplies itself is left as it is.
void KeepFilesSafe(QFileDialog& dialog);

class QProgressDialog;

// A window-modal progress dialog with a cancel button ("Otkaži"); it appears only when the task
// looks like running past half a second, so a short one flashes nothing.
class SystemProgress final : public platform::Progress {
public:
    SystemProgress();
    ~SystemProgress() override;
    void Begin(const QString& label, int total) override;
    bool Step(int done) override;
    void End() override;

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

class SystemPrintDialog final : public platform::PrintDialog {
public:
    std::unique_ptr<QPagedPaintDevice> AskPrinter(const QString& documentName) override;
};
