#include "DBNavigator.h"

#include "Guarded.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

constexpr int GlyphSize = 11;

const char* const Hints[] = {"First record",  "Prior record",  "Next record", "Last record",
                             "Insert record", "Delete record", "Edit record", "Post edit",
                             "Cancel edit",   "Refresh data"};

// The small black glyph of each button; the toolkit greys it out while the button is disabled.
QIcon Glyph(TNavigateBtn button) {
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    auto triangle = [&](int tipX, int baseX) {
        const QPoint points[3] = {{baseX, 1}, {tipX, 5}, {baseX, 9}};
        p.drawPolygon(points, 3);
    };
    switch (button) {
    case nbFirst:
        p.fillRect(1, 1, 2, 9, Qt::black);
        triangle(4, 8);
        break;
    case nbPrior:
        triangle(3, 7);
        break;
    case nbNext:
        triangle(7, 3);
        break;
    case nbLast:
        triangle(6, 2);
        p.fillRect(8, 1, 2, 9, Qt::black);
        break;
    case nbInsert:
        p.fillRect(4, 1, 2, 9, Qt::black);
        p.fillRect(1, 4, 9, 2, Qt::black);
        break;
    case nbDelete:
        p.fillRect(1, 4, 9, 2, Qt::black);
        break;
    case nbEdit: {
        const QPoint points[3] = {{1, 8}, {5, 2}, {9, 8}};
        p.drawPolygon(points, 3);
        break;
    }
    case nbPost:
        p.setPen(QPen(Qt::black, 2));
        p.drawPolyline(QPolygon({{1, 5}, {4, 8}, {9, 2}}));
        break;
    case nbCancel:
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(2, 2, 8, 8);
        p.drawLine(8, 2, 2, 8);
        break;
    case nbRefresh:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawArc(1, 1, 9, 9, 90 * 16, 270 * 16);
        p.setBrush(Qt::black);
        triangle(8, 5);
        break;
    }
    return QIcon(pixmap);
}

} // namespace

TDBNavigator::TDBNavigator(platform::ErrorDisplay& errors, platform::Questions& questions,
                           QWidget* parent)
    : QWidget(parent), errors_(errors), questions_(questions) {
    for (int i = 0; i <= nbRefresh; ++i) {
        auto* button = new QToolButton(this);
        const auto kind = static_cast<TNavigateBtn>(i);
        button->setIcon(Glyph(kind));
        button->setIconSize(QSize(GlyphSize, GlyphSize));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        button->setToolTip(QString::fromLatin1(Hints[i]));
        button->setAccessibleName(QString::fromLatin1(Hints[i]));
        connect(button, &QToolButton::clicked, this, [this, kind] { BtnClick(kind); });
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost,
                       nbCancel, nbRefresh});
}

void TDBNavigator::SetVisibleButtons(std::initializer_list<TNavigateBtn> visible) {
    shown_.fill(false);
    for (TNavigateBtn kind : visible)
        shown_[kind] = true;
    for (int i = 0; i <= nbRefresh; ++i)
        buttons_[static_cast<std::size_t>(i)]->setVisible(shown_[static_cast<std::size_t>(i)]);
    LayOutButtons();
    UpdateButtons();
}

QToolButton* TDBNavigator::Button(TNavigateBtn button) const {
    return shown_[button] ? buttons_[button] : nullptr;
}

void TDBNavigator::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutButtons();
}

void TDBNavigator::LayOutButtons() {
    std::vector<QToolButton*> shown;
    for (int i = 0; i <= nbRefresh; ++i)
        if (shown_[static_cast<std::size_t>(i)])
            shown.push_back(buttons_[static_cast<std::size_t>(i)]);
    const int n = static_cast<int>(shown.size());
    for (int i = 0; i < n; ++i) {
        const int left = i * width() / n;
        const int right = (i + 1) * width() / n;
        shown[static_cast<std::size_t>(i)]->setGeometry(left, 0, right - left, height());
    }
}

void TDBNavigator::UpdateButtons() {
    const TDataSet* dataSet = Active() ? DataSet() : nullptr;
    const bool active = dataSet != nullptr;
    const bool editing = active && IsEditState(dataSet->State());
    const bool empty = !active || dataSet->IsEmpty();
    const int row = active ? dataSet->CurrentRow() : -1;
    const int rows = active ? dataSet->RowCount() : 0;
    const bool atFirst = empty || row <= 0;
    const bool atLast = empty || row >= rows - 1;
    const bool enabled[] = {active && !atFirst, active && !atFirst, active && !atLast,
                            active && !atLast, active && !editing, active && !empty,
                            // Edit on an empty table would insert, which a bar without an
                            // Insert button must not do.
                            active && !editing && (!empty || shown_[nbInsert]), editing, editing,
                            active};
    for (int i = 0; i <= nbRefresh; ++i)
        buttons_[static_cast<std::size_t>(i)]->setEnabled(enabled[i]);
}

void TDBNavigator::BtnClick(TNavigateBtn button) {
    TDataSet* dataSet = Active() ? DataSet() : nullptr;
    const QToolButton* shown = Button(button);
    if (!dataSet || !shown || !shown->isEnabled())
        return;
    if (button == nbDelete && confirmDelete_ &&
        !questions_.Confirm({QStringLiteral("Delete record?")}))
        return;
    Guarded(errors_, [&] {
        switch (button) {
        case nbFirst:
            dataSet->First();
            break;
        case nbPrior:
            dataSet->Prior();
            break;
        case nbNext:
            dataSet->Next();
            break;
        case nbLast:
            dataSet->Last();
            break;
        case nbInsert:
            dataSet->Insert();
            break;
        case nbDelete:
            dataSet->Delete();
            break;
        case nbEdit:
            dataSet->Edit();
            break;
        case nbPost:
            dataSet->Post();
            break;
        case nbCancel:
            dataSet->Cancel();
            break;
        case nbRefresh:
            dataSet->Close();
            dataSet->Open();
            break;
        }
    });
}
