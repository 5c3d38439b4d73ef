#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const char* what, const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("%1 \"%2\": %3")
            .arg(QString::fromUtf8(what), QDir::toNativeSeparators(path), reason)
            .toStdString());
}

} // namespace

void SaveFileSafely(const QString& path, const std::function<void(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail("Ne mogu da snimim datoteku", path, file.errorString());
    write(file);
    // A failed write makes commit refuse and removes the temporary file.
    if (!file.commit())
        Fail("Ne mogu da snimim datoteku", path, file.errorString());
}

QByteArray LoadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail("Ne mogu da pročitam datoteku", path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail("Ne mogu da pročitam datoteku", path, file.errorString());
    return bytes;
}

QString DocumentsFile(const QString& name) {
    // Without a documents folder the dialogs would start wherever the program was started.
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(name);
}
