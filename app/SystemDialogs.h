#pragma once

#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "PrintDialog.h"

// The program's dialogs on the window system: modal boxes for errors and questions, the file
// dialogs and the print dialog. Each opens over the active window.

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

class SystemPrintDialog final : public platform::PrintDialog {
public:
    std::unique_ptr<QPagedPaintDevice> AskPrinter(const QString& documentName) override;
};
