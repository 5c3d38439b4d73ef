#pragma once

#include "FileDialogs.h"

#include <QCoreApplication>

// The kinds of file the program's dialogs offer.
inline platform::FileType CsvFile() {
    return {QCoreApplication::translate("FileTypes", "CSV datoteka"), QStringLiteral("csv")};
}
inline platform::FileType AnyFile() {
    return {QCoreApplication::translate("FileTypes", "Sve datoteke"), QStringLiteral("*")};
}
