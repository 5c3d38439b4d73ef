#include "NumberText.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <string>

QString FormatFixed(double value, int decimals, QChar decimalSeparator) {
    if (!std::isfinite(value))
        return QString::number(value);
    // The exact decimal expansion, cut far below the digit that decides the rounding.
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.80f", std::fabs(value));
    std::string text = buffer;
    const std::size_t point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1, std::size_t(decimals));
    const char decider = text[point + 1 + std::size_t(decimals)];
    if (decider >= '5') {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[std::size_t(i)];
    }
    const std::size_t whole = digits.size() - std::size_t(decimals);
    QString result = QString::fromStdString(digits.substr(0, whole));
    if (decimals > 0)
        result += decimalSeparator + QString::fromStdString(digits.substr(whole));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return value < 0 && !zero ? u'-' + result : result;
}

QString FormatFixed(double value, int decimals) {
    const QString point = QLocale().decimalPoint();
    return FormatFixed(value, decimals, point.isEmpty() ? QChar(u'.') : point[0]);
}
