#include "NumberText.h"

#include "NumberFormat.h"

#include <QLocale>
#include <cmath>
#include <string>

QString FormatFixed(double value, int decimals, QChar decimalSeparator) {
    if (!std::isfinite(value))
        return QString::number(value);
    std::string picture = "0";
    if (decimals > 0)
        picture += "." + std::string(std::size_t(decimals), '0');
    return QString::fromStdString(
        FormatNumber(value, picture, {"", QString(decimalSeparator).toStdString()}));
}

QString FormatFixed(double value, int decimals) {
    const QString point = QLocale().decimalPoint();
    return FormatFixed(value, decimals, point.isEmpty() ? QChar(u'.') : point[0]);
}
