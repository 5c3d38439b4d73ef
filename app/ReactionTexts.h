#pragma once

#include <QString>

// What the reaction test writes on the panel and into the memo.
namespace ReactionTexts {

inline const QString Idle = QStringLiteral(
    "Za početak merenja kliknite na dugme \"Kreni\" ili pritisnite taster \"E\" na tastaturi...");
inline const QString Waiting =
    QStringLiteral("Sačekajte da panel promeni boju u zeleno i kliknite mišem na njega.");
inline const QString Stimulus = QStringLiteral("Kliknite na panel !");
inline const QString TooEarly = QStringLiteral("Kliknuli ste prerano, merenje resetovano.");

// The memo line and the panel caption of a result, the time already written out.
inline QString ResultLine(const QString& ms) {
    return QStringLiteral("Vreme reakcije je %1 ms.").arg(ms);
}
inline QString ResultCaption(const QString& ms) {
    return QStringLiteral("Vreme reakcije je %1 ms. Kliknite na dugme \"Reset\" ili pritisnite "
                          "taster \"R\" na tastaturi za novo merenje.")
        .arg(ms);
}

} // namespace ReactionTexts
