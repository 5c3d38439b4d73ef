#include "ErrorText.h"

#include "ResultsCsv.h"
#include "StoreError.h"

#include <QCoreApplication>

QString MessageText(const store::StoreMessage& message) {
    if (!message.Source())
        return message.Text({});
    return message.Text(QCoreApplication::translate("Store", message.Source()),
                        message.Cause() ? MessageText(*message.Cause()) : QString());
}

QString ErrorText(const std::exception& error) {
    if (const auto* e = dynamic_cast<const store::StoreError*>(&error))
        return MessageText(e->Message());
    if (const auto* e = dynamic_cast<const ResultsFileError*>(&error)) {
        QStringList arguments;
        for (const std::string& a : e->Arguments())
            arguments << QString::fromStdString(a);
        const QString message =
            store::FilledText(QCoreApplication::translate("ResultsFile", e->Source()), arguments);
        return QCoreApplication::translate("ResultsFile", "Red %1: %2")
            .arg(QString::number(e->Line()), message);
    }
    return QString::fromUtf8(error.what());
}

QString UnknownErrorText() {
    return QStringLiteral("Unknown error");
}
