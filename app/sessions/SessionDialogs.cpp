#include "SessionDialogs.h"

#include "Language.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

bool SystemSettingsDialog::Edit(platform::SettingsValues& values) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QCoreApplication::translate("SessionDialogs", "Podešavanja"));
    auto* layout = new QFormLayout(&dialog);
    auto* station = new QLineEdit(values.station, &dialog);
    station->setObjectName(QStringLiteral("StationEdit"));
    auto* database = new QLineEdit(values.database, &dialog);
    database->setObjectName(QStringLiteral("DatabaseEdit"));
    database->setMinimumWidth(360);
    auto* server = new QLineEdit(values.server, &dialog);
    server->setObjectName(QStringLiteral("ServerEdit"));
    server->setPlaceholderText(QCoreApplication::translate("SessionDialogs", "postgresql://korisnik@računar:5432/baza"));
    server->setToolTip(QCoreApplication::translate(
        "SessionDialogs", "Prazno: rezultati se čuvaju samo na ovom računaru. Novi server važi "
                          "od sledećeg pokretanja. Lozinka se ne piše ovde: program je uzima iz "
                          "~/.pgpass ili PGPASSWORD."));
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Naziv računara (stanica):"),
                   station);
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Baza rezultata:"), database);
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Server laboratorije:"), server);
    const auto limit = [&](const char* name, int value) {
        auto* spin = new QSpinBox(&dialog);
        spin->setObjectName(QLatin1StringView(name));
        spin->setRange(1, 100000);
        spin->setSuffix(QCoreApplication::translate("SessionDialogs", " ms"));
        spin->setValue(value);
        return spin;
    };
    auto* anticipation = limit("AnticipationEdit", values.anticipationMs);
    auto* lapse = limit("LapseEdit", values.lapseMs);
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Anticipacija: rezultat ispod"),
                   anticipation);
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Propust: rezultat od"), lapse);
    // Each language by its own name, so that a user finds theirs whatever the window speaks.
    auto* language = new QComboBox(&dialog);
    language->setObjectName(QStringLiteral("LanguageEdit"));
    language->addItem(QStringLiteral("Srpski"), LanguageCode(Language::Serbian));
    language->addItem(QStringLiteral("English"), LanguageCode(Language::English));
    language->setCurrentIndex(std::max(0, language->findData(values.language)));
    layout->addRow(QCoreApplication::translate("SessionDialogs", "Jezik (od sledećeg pokretanja):"),
                   language);
    layout->addRow(new QLabel(
        QCoreApplication::translate("SessionDialogs",
                                    "Nova baza rezultata važi od sledećeg pokretanja programa."),
        &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("SessionDialogs", "U redu"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("SessionDialogs", "Otkaži"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values.station = station->text().trimmed();
    values.database = database->text().trimmed();
    values.server = server->text().trimmed();
    values.anticipationMs = anticipation->value();
    values.lapseMs = lapse->value();
    values.language = language->currentData().toString();
    return true;
}

std::optional<QString> SystemTextInput::AskText(const platform::TextQuestion& question) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(question.title);
    dialog.setLabelText(question.label);
    dialog.setTextValue(question.text);
    dialog.setOkButtonText(QCoreApplication::translate("SessionDialogs", "U redu"));
    dialog.setCancelButtonText(QCoreApplication::translate("SessionDialogs", "Otkaži"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().trimmed();
}
