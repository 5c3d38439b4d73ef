#include "ConfirmDialog.h"

#include <QMessageBox>

namespace {
std::function<bool(const QString&)>& Handler() {
    static std::function<bool(const QString&)> handler;
    return handler;
}
} // namespace

bool ConfirmDialog::Ask(const QString& question, const QString& caption, Answers answers) {
    if (Handler())
        return Handler()(question);
    const QMessageBox::StandardButton yes =
        answers == Answers::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const QMessageBox::StandardButton no =
        answers == Answers::YesNo ? QMessageBox::No : QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, caption, question, yes | no);
    box.setDefaultButton(yes);
    return box.exec() == yes;
}

void ConfirmDialog::SetHandler(std::function<bool(const QString&)> handler) {
    Handler() = std::move(handler);
}
