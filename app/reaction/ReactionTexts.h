#pragma once

#include <QCoreApplication>
#include <QString>

// What the reaction test writes on the panel and into the memo.
namespace ReactionTexts {

inline QString Idle() {
    return QCoreApplication::translate("ReactionTexts",
                                       "Za početak merenja kliknite na dugme \"Kreni\" ili "
                                       "pritisnite taster \"E\" na tastaturi...");
}
inline QString Waiting() {
    return QCoreApplication::translate(
        "ReactionTexts", "Sačekajte da panel promeni boju u zeleno i kliknite mišem na njega.");
}
inline QString Stimulus() {
    return QCoreApplication::translate("ReactionTexts", "Kliknite na panel !");
}
inline QString TooEarly() {
    return QCoreApplication::translate("ReactionTexts",
                                       "Kliknuli ste prerano, merenje resetovano.");
}

// The memo line and the panel caption of a result, the time already written out.
inline QString ResultLine(const QString& ms) {
    return QCoreApplication::translate("ReactionTexts", "Vreme reakcije je %1 ms.").arg(ms);
}
inline QString ResultCaption(const QString& ms) {
    return QCoreApplication::translate("ReactionTexts",
                                       "Vreme reakcije je %1 ms. Kliknite na dugme \"Reset\" ili "
                                       "pritisnite taster \"R\" na tastaturi za novo merenje.")
        .arg(ms);
}

} // namespace ReactionTexts
