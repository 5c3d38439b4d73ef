#include "AccuracyText.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace {

// A screen of an unknown rate is taken for the common 60 Hz.
double FramePeriodMs(const AccuracyFacts& f) {
    return 1000.0 / f.refreshHz.value_or(60.0);
}

QString Tr(const char* text) {
    return QCoreApplication::translate("AccuracyText", text);
}

} // namespace

double UncertaintyMs(const AccuracyFacts& f) {
    const double period = FramePeriodMs(f);
    double spread = f.synchronized ? 0.0 : period;
    if (f.composited.value_or(false))
        spread += period;
    if (f.mousePollingHz && *f.mousePollingHz > 0)
        spread += 1000.0 / *f.mousePollingHz;
    spread += f.programLagMs;
    return spread / 2;
}

QString AccuracyText(const AccuracyFacts& f) {
    QStringList parts;
    parts << (f.refreshHz ? Tr(QT_TRANSLATE_NOOP("AccuracyText", "ekran %1 Hz"))
                                .arg(FormatFixed(*f.refreshHz, 0))
                          : Tr(QT_TRANSLATE_NOOP("AccuracyText", "učestanost ekrana nepoznata")));
    parts << (f.synchronized ? Tr(QT_TRANSLATE_NOOP("AccuracyText", "sinhronizovano"))
                             : Tr(QT_TRANSLATE_NOOP("AccuracyText", "nesinhronizovano")));
    if (f.composited.value_or(false))
        parts << Tr(QT_TRANSLATE_NOOP("AccuracyText", "uz kompozitor"));
    parts << (f.mousePollingHz
                  ? Tr(QT_TRANSLATE_NOOP("AccuracyText", "miš %1 Hz"))
                        .arg(FormatFixed(*f.mousePollingHz, 0))
                  : Tr(QT_TRANSLATE_NOOP("AccuracyText", "učestanost miša nepoznata")));
    return Tr(QT_TRANSLATE_NOOP("AccuracyText", "Tačnost: ±%1 ms (%2)"))
        .arg(FormatFixed(UncertaintyMs(f), 1), parts.join(QStringLiteral(", ")));
}
