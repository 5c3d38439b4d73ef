#include "SystemDialogs.h"

#include "AppTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

namespace {

// The dialog builds its file view when it is first shown; it is made safe then too.
class SafeOnShow final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched))
                KeepFilesSafe(*dialog);
        return false;
    }
};

QString NameFilter(const platform::FileType& type) {
    const QString pattern =
        type.extension == u"*" ? type.extension : QStringLiteral("*.") + type.extension;
    return QStringLiteral("%1 (%2)").arg(type.description, pattern);
}

// The dialog's filters in the question's order, and the type of the filter the user left
// selected.
std::optional<platform::FileAnswer> RunFileDialog(QFileDialog::AcceptMode mode,
                                                  const platform::FileQuestion& question) {
    QFileDialog dialog(QApplication::activeWindow(), question.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    QStringList filters;
    for (const platform::FileType& type : question.types)
        filters << NameFilter(type);
    dialog.setNameFilters(filters);
    if (!question.types.empty())
        dialog.setDefaultSuffix(question.types.front().extension);
    const QFileInfo suggested(question.suggestedPath);
    dialog.setDirectory(suggested.absolutePath());
    if (mode == QFileDialog::AcceptSave)
        dialog.selectFile(suggested.fileName());
    // The suffix follows the filter the user picks.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const auto index = std::size_t(filters.indexOf(filter));
        if (index < question.types.size() && question.types[index].extension != u"*")
            dialog.setDefaultSuffix(question.types[index].extension);
    });
    KeepFilesSafe(dialog);
    dialog.installEventFilter(new SafeOnShow(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype picked = filters.indexOf(dialog.selectedNameFilter());
    return platform::FileAnswer{dialog.selectedFiles().front(),
                                picked < 0 ? 0 : std::size_t(picked)};
}

} // namespace

void KeepFilesSafe(QFileDialog& dialog) {
    if (dialog.acceptMode() == QFileDialog::AcceptOpen) {
        dialog.setOption(QFileDialog::ReadOnly);
        return;
    }
    // The dialog's ReadOnly option would take "new folder" away too; the model alone refuses
    // deleting and renaming.
    for (QFileSystemModel* model : dialog.findChildren<QFileSystemModel*>())
        model->setReadOnly(true);
}

std::unique_ptr<QMessageBox> ErrorBox(const QString& shown, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, ApplicationTitle, shown,
                                             QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

std::unique_ptr<QMessageBox> QuestionBox(const platform::Question& question, QWidget* parent) {
    const bool yesNo = question.answers == platform::Question::Answers::YesNo;
    const QMessageBox::StandardButton yes = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const QMessageBox::StandardButton no = yesNo ? QMessageBox::No : QMessageBox::Cancel;
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, question.caption, question.text,
                                             yes | no, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(yes);
    return box;
}

void MessageBoxErrorDisplay::Display(const QString& shown) {
    ErrorBox(shown, QApplication::activeWindow())->exec();
}

bool MessageBoxQuestions::Confirm(const platform::Question& question) {
    const auto box = QuestionBox(question, QApplication::activeWindow());
    return box->exec() == (question.answers == platform::Question::Answers::YesNo
                               ? QMessageBox::Yes
                               : QMessageBox::Ok);
}

std::optional<platform::FileAnswer>
SystemFileDialogs::AskSaveFile(const platform::FileQuestion& question) {
    return RunFileDialog(QFileDialog::AcceptSave, question);
}

std::optional<platform::FileAnswer>
SystemFileDialogs::AskOpenFile(const platform::FileQuestion& question) {
    return RunFileDialog(QFileDialog::AcceptOpen, question);
}

std::unique_ptr<QPagedPaintDevice> SystemPrintDialog::AskPrinter(const QString& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setWindowTitle(documentName);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

SystemProgress::SystemProgress() = default;
SystemProgress::~SystemProgress() = default;

void SystemProgress::Begin(const QString& label, int total) {
    dialog_ = std::make_unique<QProgressDialog>(
        label, QCoreApplication::translate("SystemDialogs", "Otkaži"), 0, total,
        QApplication::activeWindow());
    dialog_->setWindowTitle(ApplicationTitle);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumDuration(500);
    dialog_->setValue(0);
}

bool SystemProgress::Step(int done) {
    if (!dialog_)
        return true;
    // A window-modal dialog runs the events here, the cancel button's click among them.
    dialog_->setValue(done);
    return !dialog_->wasCanceled();
}

void SystemProgress::End() {
    dialog_.reset();
}
