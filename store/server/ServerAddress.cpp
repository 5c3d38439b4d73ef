#include "ServerAddress.h"

#include "StoreError.h"

#include <QUrl>

namespace store {

QString ServerAddress::Shown() const {
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

bool IsServerAddress(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

ServerAddress ParseServerAddress(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    ServerAddress address;
    address.user = url.userName();
    address.host = url.host();
    address.port = url.port(5432);
    address.database = url.path().mid(1);
    // Only the scheme is named here: the text may hold a password that must not be shown.
    if (!url.isValid() || address.host.isEmpty() || address.database.isEmpty() ||
        address.database.contains(u'/'))
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Adresa servera baze nije ispravna; oblik je "
                                                    "postgresql://korisnik@računar:port/baza."));
    if (!url.password().isEmpty())
        throw StoreError(QT_TRANSLATE_NOOP(
            "Store", "Lozinka se ne piše u adresu servera baze: program je uzima iz "
                     "~/.pgpass ili PGPASSWORD."));
    return address;
}

} // namespace store
