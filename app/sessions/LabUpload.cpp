// A lab station: the keeper's local store is sent on to the lab server, and the status bar
// says how many changes wait for it.
#include "MainForm.h"
#include "Uploader.h"

#include <QLabel>

void TMainForm::SendSessionsTo(store::TUploader& uploader) {
    uploader_ = &uploader;
    uploader_->OnNotice = [this](const QString& notice) { services_.errors.Show(notice); };
    uploader_->OnStateChange = [this] { UpdateStoreStatus(); };
    keeper_->OnKept = [this] { uploader_->SendChange(); };
    // What an earlier run left waiting goes now.
    uploader_->Send();
    UpdateStoreStatus();
}

void TMainForm::RetryServer() {
    if (uploader_)
        uploader_->Send();
}

void TMainForm::ShowServerStatus() {
    if (!uploader_ || !keeper_->HasStore())
        return;
    const QString server = uploader_->Address().Shown();
    if (uploader_->Problem().isEmpty() && uploader_->Waiting() == 0) {
        StoreStatusText->setText(StoreStatusText->text() + QStringLiteral(" i šalju na server"));
        StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server);
        return;
    }
    StoreStatusText->setText(
        StoreStatusText->text() +
        QStringLiteral("; %1 čeka slanje na server").arg(uploader_->Waiting()));
    StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server + u'\n' +
                                uploader_->Problem());
}
