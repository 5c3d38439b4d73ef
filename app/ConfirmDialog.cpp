#include "ConfirmDialog.h"

#include <QMessageBox>

namespace {
std::function<bool(const QString&)>& Handler() {
    static std::function<bool(const QString&)> handler;
    return handler;
}
} // namespace

bool ConfirmDialog::Ask(const QString& question) {
    if (Handler())
        return Handler()(question);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void ConfirmDialog::SetHandler(std::function<bool(const QString&)> handler) {
    Handler() = std::move(handler);
}
