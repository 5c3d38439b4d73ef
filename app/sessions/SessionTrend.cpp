// The trend chart of page 5: each reaction session's median and mean over its start time.
#include "MainForm.h"

#include <QDateTime>
#include <QTableWidget>
#include <charconv>
#include <set>

using store::SessionKind;
using store::SessionSummary;

namespace {

// The bottom axis runs in whole seconds since the epoch, labelled as local dates and times.
double SecondsOf(const QDateTime& t) {
    return double(t.toSecsSinceEpoch());
}

} // namespace

void TMainForm::CreateTrendChart() {
    TrendChart.SetSize(774, 159);
    TrendChart.SetColor(clWhite);
    TrendChart.SetBevelOuter(bvNone);
    TrendChart.SetBevelInner(bvNone);
    TrendChart.SetView3D(false);
    TrendChart.Title().Font().SetColor(clBlack);
    TrendChart.LeftAxis()->Title().SetCaption("ms");
    TChartAxis& bottom = *TrendChart.BottomAxis();
    // Whole seconds, so that a label's text reads back as the number it stands for.
    bottom.SetAxisValuesFormat("0");
    TrendChart.OnGetAxisLabel = [this](const TChartAxis& axis, TChartSeries*, int,
                                       std::string& text) {
        if (&axis != TrendChart.BottomAxis())
            return;
        long long seconds = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error != std::errc() || end != text.data() + text.size())
            return;
        // As fine as the shown span needs: seconds within two hours, days beyond two days.
        const double span = axis.Maximum() - axis.Minimum();
        const QString format = span < 2 * 3600    ? QStringLiteral("HH:mm:ss")
                               : span < 2 * 86400 ? QStringLiteral("dd.MM. HH:mm")
                                                  : QStringLiteral("dd.MM.yyyy.");
        text = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().toString(format).toStdString();
    };
    TrendChart.Legend().SetAlignment(laBottom);
    SeriesTrendMedian.SetName("SeriesTrendMedian");
    SeriesTrendMedian.SetTitle(tr("Medijana").toStdString());
    SeriesTrendMedian.SetSeriesColor(clRed);
    SeriesTrendMean.SetName("SeriesTrendMean");
    SeriesTrendMean.SetTitle(tr("Srednje").toStdString());
    SeriesTrendMean.SetSeriesColor(clBlue);
    for (TLineSeries* series : {&SeriesTrendMedian, &SeriesTrendMean}) {
        series->Marks().SetVisible(false);
        TrendChart.AddSeries(*series);
    }
    UpdateTrend();
}

void TMainForm::UpdateTrend() {
    // The participant of the selected sessions, when they share one.
    std::set<QString> participants;
    if (SessionsGrid)
        for (const QModelIndex& index : SessionsGrid->selectionModel()->selectedRows())
            if (std::size_t(index.row()) < listedSummaries_.size())
                participants.insert(listedSummaries_[std::size_t(index.row())].header.participant);
    const bool one = participants.size() == 1;
    const QString participant = one ? *participants.begin() : QString();

    SeriesTrendMedian.RemoveAllPoints();
    SeriesTrendMean.RemoveAllPoints();
    // The list is newest first: read backwards, the points go in the order the sessions began.
    for (auto s = listedSummaries_.rbegin(); s != listedSummaries_.rend(); ++s) {
        if (s->header.kind != SessionKind::Reaction || s->figures.count == 0 ||
            (one && s->header.participant != participant))
            continue;
        const double x = SecondsOf(s->header.started);
        SeriesTrendMedian.AddPoint(x, s->figures.median, {}, DefaultPointColor);
        SeriesTrendMean.AddPoint(x, s->figures.mean, {}, DefaultPointColor);
    }
    const QString whose = !one                    ? tr("svi učesnici")
                          : participant.isEmpty() ? tr("bez oznake učesnika")
                                                  : tr("učesnik %1").arg(participant);
    TrendChart.Title().SetCaption(
        tr("Medijana i srednje vreme po sesijama (%1)").arg(whose).toStdString());
}
