#include "MainForm.h"

#include "AccessKeys.h"
#include "Anchors.h"
#include "Button.h"
#include "DBGrid.h"
#include "DBNavigator.h"
#include "Guarded.h"
#include "Memo.h"
#include "Panel.h"
#include "ReactionTexts.h"
#include "SpinEdit.h"
#include "WindowTimer.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {

// The size of a tab page's client area the boxes below were designed for.
constexpr QSize PageDesignSize(806, 378);

QFont FormFont() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    return f;
}

QFont MemoFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(13);
    f.setStyleHint(QFont::Monospace);
    return f;
}

QLabel* CreateLabel(const char* name, const QString& caption, QWidget* page) {
    auto* label = new QLabel(caption, page);
    label->setObjectName(QLatin1StringView(name));
    return label;
}

TButton* CreateButton(const char* name, const QString& caption, QWidget* page) {
    auto* button = new TButton(caption, page);
    button->setObjectName(QLatin1StringView(name));
    return button;
}

// The box a chart is painted in; white where the chart's panel is.
// The window a chart shows in; the form keeps it, so that it goes before its chart.
std::unique_ptr<TChartWidget> CreateChartWidget(TDBChart& chart, const char* name, QWidget* page) {
    auto widget = std::make_unique<TChartWidget>(chart, page);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

TDBGrid* CreateGrid(const platform::Services& services, const char* name, TDataSource& source,
                    std::vector<TDBGridColumn> columns, QWidget* page) {
    auto* grid = new TDBGrid(services.errors, services.questions, page);
    grid->setObjectName(QLatin1StringView(name));
    grid->setAccessibleName(QLatin1StringView(name));
    grid->SetDataSource(&source);
    grid->SetColumns(std::move(columns));
    return grid;
}

TDBNavigator* CreateNavigator(const platform::Services& services, const char* name,
                              TDataSource& source, std::initializer_list<TNavigateBtn> buttons,
                              QWidget* page) {
    auto* navigator = new TDBNavigator(services.errors, services.questions, page);
    navigator->setObjectName(QLatin1StringView(name));
    navigator->setAccessibleName(QLatin1StringView(name));
    navigator->SetVisibleButtons(buttons);
    navigator->SetDataSource(&source);
    return navigator;
}

// Widgets listed in their tab order.
void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

TMainForm::TMainForm(platform::Services services, ProcessorClock& processorClock, QWidget* parent)
    : QMainWindow(parent), services_(services), processorClock_(processorClock) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Merenje brzine reakcije v1.0 - Ordanel - Velk"));
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    TabSheet4 = new QWidget;
    TabSheet5 = new QWidget;
    PageControl1->addTab(TabSheet1, tr(" Merenje brzine reakcije "));
    PageControl1->addTab(TabSheet2, tr(" Tabela rezultata merenja "));
    PageControl1->addTab(TabSheet3, tr(" Histogram "));
    PageControl1->addTab(TabSheet4, tr(" Kalibracija "));
    PageControl1->addTab(TabSheet5, tr(" Sesije "));
    for (QWidget* sheet : {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5})
        sheet->resize(PageDesignSize);

    MainStatusBar = new QStatusBar(this);
    MainStatusBar->setObjectName(QStringLiteral("MainStatusBar"));
    MainStatusText = new QLabel;
    MainStatusBar->addWidget(MainStatusText, 1);
    SetStatusText(tr("Tavulin - Quillard - Ordanel - Velk - Lornik - 2006"));
    StoreStatusText = new QLabel;
    StoreStatusText->setObjectName(QStringLiteral("StoreStatusText"));
    MainStatusBar->addPermanentWidget(StoreStatusText);
    setStatusBar(MainStatusBar);

    CreateCharts();
    CreateDataSets();
    CreatePage1();
    CreatePage2();
    CreatePage3();
    CreatePage4();
    CreatePage5();

    RTimer = new TWindowTimer(1, this);
    RTimer->OnTimer = [this] { RTimerTimer(); };

    accessKeys_ = new AccessKeys(this);

    // The client area as designed (814 × 426) at the designed place on the screen.
    resize(814, 426);
    move(186, 184);

    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

TSpinEdit* TMainForm::CreateSpinEdit(int value, QWidget* page) {
    auto* spin = new TSpinEdit(value, page);
    spin->OnRefusedKey = [this] { services_.beep.Sound(); };
    return spin;
}

void TMainForm::CreatePage1() {
    auto* anchors = new AnchorLayout(TabSheet1, PageDesignSize);

    KreniButton = CreateButton("KreniButton", tr("Kr&eni"), TabSheet1);
    anchors->Place(KreniButton, QRect(16, 338, 75, 25), akLeft | akBottom);
    ConnectClick(KreniButton, services_.errors, [this] { KreniButtonClick(); });

    RPanel = new TPanel(TabSheet1);
    RPanel->setObjectName(QStringLiteral("RPanel"));
    RPanel->SetColor(clRed);
    RPanel->SetCaption(ReactionTexts::Idle());
    anchors->Place(RPanel, QRect(16, 16, 518, 288), akLeft | akTop | akRight | akBottom);
    RPanel->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers s, QPoint p) {
        RPanelMouseDown(b, s, p);
    };

    ResetButton = CreateButton("ResetButton", tr("&Reset"), TabSheet1);
    anchors->Place(ResetButton, QRect(461, 338, 75, 25), akRight | akBottom);
    ConnectClick(ResetButton, services_.errors, [this] { ResetButtonClick(); });

    Memo1 = new TMemo(TabSheet1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(MemoFont());
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);
    Memo1->setPlainText(tr("Rezultati merenja:"));
    Memo1->setAccessibleName(QStringLiteral("Memo1"));
    anchors->Place(Memo1, QRect(557, 16, 237, 345), akTop | akRight | akBottom);

    AccuracyLine = CreateLabel("AccuracyLine", QString(), TabSheet1);
    AccuracyLine->setAlignment(Qt::AlignCenter);
    anchors->Place(AccuracyLine, QRect(16, 306, 518, 14), akLeft | akRight | akBottom);

    FiguresText = CreateLabel("FiguresText", QString(), TabSheet1);
    FiguresText->setAlignment(Qt::AlignCenter);
    FiguresText->setWordWrap(true);
    anchors->Place(FiguresText, QRect(97, 322, 358, 41), akLeft | akRight | akBottom);

    SetTabOrder({KreniButton, ResetButton, Memo1});
}

void TMainForm::CreatePage2() {
    auto* anchors = new AnchorLayout(TabSheet2, PageDesignSize);
    Button1 = CreateButton("Button1", tr("Snimi rezultate"), TabSheet2);
    anchors->Place(Button1, QRect(525, 335, 97, 25), akRight | akBottom);
    ConnectClick(Button1, services_.errors, [this] { Button1Click(); });
    Button2 = CreateButton("Button2", tr("Uvezi rezultate"), TabSheet2);
    anchors->Place(Button2, QRect(693, 335, 97, 25), akRight | akBottom);
    ConnectClick(Button2, services_.errors, [this] { Button2Click(); });
    Button3 = CreateButton("Button3", tr("Snimi grafikon"), TabSheet2);
    anchors->Place(Button3, QRect(16, 336, 113, 25), akLeft | akBottom);
    ConnectClick(Button3, services_.errors, [this] { Button3Click(); });
    Button4 = CreateButton("Button4", tr("Odštampaj grafikon"), TabSheet2);
    anchors->Place(Button4, QRect(397, 336, 113, 25), akRight | akBottom);
    ConnectClick(Button4, services_.errors, [this] { Button4Click(); });

    DBGrid1 = CreateGrid(
        services_, "DBGrid1", Series0DataSource,
        {{"X", tr("Redni broj merenja"), 0, true}, {"Y", tr("Vreme reakcije [ms]"), 115, true}},
        TabSheet2);
    DBGrid1->SetTitleFont(FormFont());
    anchors->Place(DBGrid1, QRect(525, 16, 265, 257), akTop | akRight | akBottom);
    DBChart1Widget = CreateChartWidget(DBChart1, "DBChart1", TabSheet2);
    anchors->Place(DBChart1Widget.get(), QRect(16, 16, 494, 304),
                   akLeft | akTop | akRight | akBottom);
    DBNavigator1 = CreateNavigator(
        services_, "DBNavigator1", Series0DataSource,
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel}, TabSheet2);
    DBNavigator1->SetConfirmDelete(false);
    anchors->Place(DBNavigator1, QRect(525, 294, 264, 25), akRight | akBottom);

    SetTabOrder({DBGrid1, Button1, Button2, DBChart1Widget.get(), Button3, Button4, DBNavigator1});
}

void TMainForm::CreatePage3() {
    auto* anchors = new AnchorLayout(TabSheet3, PageDesignSize);
    DBChart2Widget = CreateChartWidget(DBChart2, "DBChart2", TabSheet3);
    anchors->Place(DBChart2Widget.get(), QRect(16, 16, 774, 305),
                   akLeft | akTop | akRight | akBottom);
    Label1 = CreateLabel("Label1", tr("Broj grupa rezultata:"), TabSheet3);
    anchors->Place(Label1, QRect(248, 341, 98, 14), akLeft | akBottom);
    HistogramMarkersText = CreateLabel("HistogramMarkersText", QString(), TabSheet3);
    anchors->Place(HistogramMarkersText, QRect(16, 322, 774, 13), akLeft | akRight | akBottom);
    Button5 = CreateButton("Button5", tr("Napravi histogram"), TabSheet3);
    anchors->Place(Button5, QRect(448, 336, 113, 25), akLeft | akBottom);
    ConnectClick(Button5, services_.errors, [this] { Button5Click(); });
    Button6 = CreateButton("Button6", tr("Odštampaj histogram"), TabSheet3);
    anchors->Place(Button6, QRect(677, 336, 113, 25), akRight | akBottom);
    ConnectClick(Button6, services_.errors, [this] { Button6Click(); });
    Button7 = CreateButton("Button7", tr("Snimi histogram"), TabSheet3);
    anchors->Place(Button7, QRect(16, 336, 113, 25), akLeft | akBottom);
    ConnectClick(Button7, services_.errors, [this] { Button7Click(); });
    HistoSpinEdit = CreateSpinEdit(10, TabSheet3);
    HistoSpinEdit->setObjectName(QStringLiteral("HistoSpinEdit"));
    anchors->Place(HistoSpinEdit, QRect(352, 337, 49, 23), akLeft | akBottom);
    HistoSpinEdit->OnChange = [this] { HistoSpinEditChange(); };
    SetTabOrder({DBChart2Widget.get(), Button5, Button6, Button7, HistoSpinEdit});
}

void TMainForm::CreatePage4() {
    auto* anchors = new AnchorLayout(TabSheet4, PageDesignSize);
    LabelSleep = CreateLabel("LabelSleep", tr("Sleep vrednost:"), TabSheet4);
    anchors->Place(LabelSleep, QRect(344, 342, 76, 14), akLeft | akBottom);
    LabelIteracije = CreateLabel("LabelIteracije", tr("Broj iteracija:"), TabSheet4);
    anchors->Place(LabelIteracije, QRect(192, 342, 62, 14), akLeft | akBottom);
    ButtonIzmeri = CreateButton("ButtonIzmeri",
                                tr("Izmeri RDTSC vs. QueryPerformance vs. CPUcalcms"), TabSheet4);
    anchors->Place(ButtonIzmeri, QRect(512, 336, 273, 25), akLeft | akBottom);
    ConnectClick(ButtonIzmeri, services_.errors, [this] { ButtonIzmeriClick(); });
    SpinEditSleep = CreateSpinEdit(17, TabSheet4);
    SpinEditSleep->setObjectName(QStringLiteral("SpinEditSleep"));
    anchors->Place(SpinEditSleep, QRect(432, 338, 57, 23), akLeft | akBottom);
    SpinEditIter = CreateSpinEdit(100, TabSheet4);
    SpinEditIter->setObjectName(QStringLiteral("SpinEditIter"));
    anchors->Place(SpinEditIter, QRect(264, 338, 49, 23), akLeft | akBottom);

    DBGrid2 = CreateGrid(services_, "DBGrid2", DataSource2,
                         {{"X", tr("X"), 25, true}, {"Y", tr("RDTSC"), 92, true}}, TabSheet4);
    anchors->Place(DBGrid2, QRect(16, 176, 161, 145), akLeft | akBottom);
    DBChart3Widget = CreateChartWidget(DBChart3, "DBChart3", TabSheet4);
    anchors->Place(DBChart3Widget.get(), QRect(192, 16, 598, 305),
                   akLeft | akTop | akRight | akBottom);
    DBNavigatorKalib =
        CreateNavigator(services_, "DBNavigatorKalib", Series0DataSource,
                        {nbFirst, nbPrior, nbNext, nbLast, nbEdit, nbPost, nbCancel}, TabSheet4);
    anchors->Place(DBNavigatorKalib, QRect(16, 336, 161, 25), akLeft | akBottom);
    DBGrid3 =
        CreateGrid(services_, "DBGrid3", Series0DataSource,
                   {{"X", tr("X"), 20, true}, {"Y", tr("QueryPerformance"), 96, true}}, TabSheet4);
    anchors->Place(DBGrid3, QRect(16, 16, 161, 145), akLeft | akTop | akBottom);

    SetTabOrder({DBGrid2, DBChart3Widget.get(), ButtonIzmeri, SpinEditSleep, DBNavigatorKalib,
                 DBGrid3, SpinEditIter});
}

void TMainForm::CreatePage5() {
    auto* anchors = new AnchorLayout(TabSheet5, PageDesignSize);
    auto* stationLabel = CreateLabel("StationFilterLabel", tr("Stanica:"), TabSheet5);
    anchors->Place(stationLabel, QRect(16, 14, 52, 22), akLeft | akTop);
    StationFilter = new QComboBox(TabSheet5);
    StationFilter->setObjectName(QStringLiteral("StationFilter"));
    StationFilter->addItem(tr("Sve stanice"), QString());
    stationLabel->setBuddy(StationFilter);
    anchors->Place(StationFilter, QRect(70, 14, 180, 22), akLeft | akTop);
    connect(StationFilter, &QComboBox::currentIndexChanged, this,
            [this] { Guarded(services_.errors, [this] { FillSessionsList(); }); });
    SessionsGrid = new QTableWidget(0, 10, TabSheet5);
    SessionsGrid->setObjectName(QStringLiteral("SessionsGrid"));
    SessionsGrid->setHorizontalHeaderLabels(
        {tr("Datum i vreme"), tr("Stanica"), tr("Učesnik"), tr("Vrsta"), tr("Broj"),
         tr("Srednje [ms]"), tr("Medijana"), tr("SD"), tr("Najbrže"), tr("Najsporije")});
    SessionsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SessionsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    SessionsGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SessionsGrid->verticalHeader()->hide();
    SessionsGrid->setWordWrap(false);
    SessionsGrid->verticalHeader()->setDefaultSectionSize(20);
    SessionsGrid->horizontalHeader()->setMinimumSectionSize(40);
    // Every column in view at the designed size, the list's width shared by what each holds.
    const int widths[] = {122, 80, 92, 72, 48, 74, 64, 56, 62};
    for (int c = 0; c < int(std::size(widths)); ++c)
        SessionsGrid->setColumnWidth(c, widths[c]);
    SessionsGrid->horizontalHeader()->setStretchLastSection(true);
    anchors->Place(SessionsGrid, QRect(16, 42, 774, 114), akLeft | akTop | akRight);
    TrendChartWidget = CreateChartWidget(TrendChart, "TrendChart", TabSheet5);
    anchors->Place(TrendChartWidget.get(), QRect(16, 162, 774, 159),
                   akLeft | akTop | akRight | akBottom);
    connect(SessionsGrid, &QTableWidget::itemSelectionChanged, this,
            [this] { Guarded(services_.errors, [this] { UpdateTrend(); }); });
    connect(SessionsGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { Guarded(services_.errors, [this] { OpenSessionClick(); }); });

    // Eight buttons in one row under the list, the way the other pages place theirs.
    const struct {
        TButton** button;
        const char* name;
        QString caption;
        void (TMainForm::*handler)();
        int width;
    } buttons[] = {
        {&OpenSessionButton, "OpenSessionButton", tr("Otvori sesiju"), &TMainForm::OpenSessionClick,
         90},
        {&NewSessionButton, "NewSessionButton", tr("Nova sesija"), &TMainForm::NewSessionClick, 90},
        {&ParticipantButton, "ParticipantButton", tr("Učesnik..."), &TMainForm::ParticipantClick,
         90},
        {&DeleteSessionButton, "DeleteSessionButton", tr("Obriši sesiju"),
         &TMainForm::DeleteSessionClick, 90},
        {&DeleteParticipantButton, "DeleteParticipantButton", tr("Obriši učesnika"),
         &TMainForm::DeleteParticipantClick, 100},
        {&ExportSessionsButton, "ExportSessionsButton", tr("Izvezi sesije"),
         &TMainForm::ExportSessionsClick, 90},
        {&ImportSessionsButton, "ImportSessionsButton", tr("Uvezi sesije"),
         &TMainForm::ImportSessionsClick, 90},
        {&SettingsButton, "SettingsButton", tr("Podešavanja"), &TMainForm::SettingsClick, 90},
    };
    int left = 16;
    for (const auto& b : buttons) {
        *b.button = CreateButton(b.name, b.caption, TabSheet5);
        anchors->Place(*b.button, QRect(left, 336, b.width, 25), akLeft | akBottom);
        ConnectClick(*b.button, services_.errors, [this, h = b.handler] { (this->*h)(); });
        left += b.width + 6;
    }

    // The list is read when the page is shown, not after every result.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabSheet5)
            Guarded(services_.errors, [this] { RefreshSessionsList(); });
    });
    // Edits, insertions and deletions in the grids change the session as they change the series.
    const auto written = [this](TDataSet&) { SyncSession(store::RowKind::Entered); };
    Series0DataSet.OnDataWritten = written;
    SeriesDataSet2.OnDataWritten = written;

    storeRetry_ = new QTimer(this);
    storeRetry_->setInterval(30000);
    connect(storeRetry_, &QTimer::timeout, this, [this] { RetryStore(); });
    UpdateStoreStatus();
    UpdateFigures();
}

void TMainForm::FormCreate() {
    PageControl1->setCurrentIndex(0);
    KreniButton->setFocus(Qt::OtherFocusReason);
    services_.timerResolution.Begin(1);
}

void TMainForm::FormDestroy() {
    services_.timerResolution.End(1);
}

void TMainForm::AppendMemoLine(const QString& line) {
    Memo1->appendPlainText(line);
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

void TMainForm::SetStatusText(const QString& text) {
    MainStatusText->setText(text);
    MainStatusBar->setAccessibleName(text);
}
