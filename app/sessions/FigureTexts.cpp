#include "FigureTexts.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace {

QString Ms(double value) {
    return FormatFixed(value, 0);
}

// A deviation from the set sleep with its sign, to the microsecond.
QString Signed(double value) {
    return (value > 0 ? QStringLiteral("+") : QString()) + FormatFixed(value, 3);
}

} // namespace

QString ReactionFiguresText(const ReactionFiguresLine& line) {
    // Three short lines: the space between the two buttons is narrow.
    const store::SessionFigures& f = line.figures;
    QString first = QCoreApplication::translate("FigureTexts", "Broj rezultata: %1").arg(f.count);
    QString second;
    if (f.count > 0) {
        first += QCoreApplication::translate("FigureTexts", ", srednje %1 ms, medijana %2 ms")
                     .arg(Ms(f.mean), Ms(f.median));
        // A single result has no spread to speak of.
        if (f.count > 1)
            first += QCoreApplication::translate("FigureTexts", ", SD %1 ms").arg(Ms(f.deviation));
        second = QCoreApplication::translate("FigureTexts", "najbrže %1 ms, najsporije %2 ms, ")
                     .arg(Ms(f.fastest), Ms(f.slowest));
    }
    second +=
        QCoreApplication::translate("FigureTexts", "preuranjeni klikovi: %1").arg(line.falseStarts);
    const QString third =
        QCoreApplication::translate("FigureTexts",
                                    "anticipacije (ispod %1 ms): %2, propusti (od %3 ms): %4")
            .arg(line.limits.anticipationMs)
            .arg(line.anticipations)
            .arg(line.limits.lapseMs)
            .arg(line.lapses);
    return first + u'\n' + second + u'\n' + third;
}

QString CalibrationFiguresText(const CalibrationFiguresLine& line) {
    return QCoreApplication::translate(
               "FigureTexts",
               "Kalibracija, odstupanje od sleep vrednosti:\nQueryPerformance %1 / %2 "
               "ms, RDTSC %3 / %4 ms\ntakt procesora %5 MHz")
        .arg(Signed(line.queryPerformanceAbove), Signed(line.queryPerformanceBelow),
             Signed(line.cyclesAbove), Signed(line.cyclesBelow), FormatFixed(line.clockMhz, 4));
}
