#include "AccessKeys.h"
#include "FormFixture.h"
#include "SpinEdit.h"
#include "WindowTimer.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <climits>
#include <stdexcept>

TEST_F(FormFixture, WindowHasItsCaptionPagesAndStatusText) {
    EXPECT_EQ(form->windowTitle(), "Merenje brzine reakcije v1.0 - Ordanel - Velk");
    const QStringList tabs{" Merenje brzine reakcije ", " Tabela rezultata merenja ", " Histogram ",
                           " Kalibracija ", " Sesije "};
    ASSERT_EQ(form->PageControl1->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form->PageControl1->tabText(i), tabs[i]);
    EXPECT_EQ(form->MainStatusText->text(), "Tavulin - Quillard - Ordanel - Velk - Lornik - 2006");
    EXPECT_EQ(form->Memo1->font().pixelSize(), 13);
    EXPECT_EQ(QFontInfo(form->Memo1->font()).family(), "Liberation Mono");
}

TEST_F(FormFixture, AnchoredWidgetsFollowTheWindowSize) {
    const QRect panel = form->RPanel->geometry(), kreni = form->KreniButton->geometry(),
                reset = form->ResetButton->geometry(), memo = form->Memo1->geometry();
    form->resize(form->width() + 100, form->height() + 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->RPanel->geometry(), panel.adjusted(0, 0, 100, 50));
    EXPECT_EQ(form->KreniButton->geometry(), kreni.translated(0, 50));
    EXPECT_EQ(form->ResetButton->geometry(), reset.translated(100, 50));
    EXPECT_EQ(form->Memo1->geometry(), memo.adjusted(100, 0, 100, 50));
    // The panel keeps its designed distances to the page edges.
    EXPECT_EQ(form->RPanel->x(), 16);
    EXPECT_EQ(form->TabSheet1->width() - form->RPanel->geometry().right() - 1, 806 - 16 - 518);
}

TEST_F(FormFixture, AccessKeysClickButtonsOnlyWhereTheyAreVisibleAndTheFocusTakesNoText) {
    // Another page shown: E reaches no button.
    form->PageControl1->setCurrentIndex(1);
    QTest::keyClick(form->PageControl1->tabBar(), Qt::Key_E);
    EXPECT_TRUE(fakes.clock.sleeps.empty());

    // The memo keeps its letters; Alt+E still starts.
    form->PageControl1->setCurrentIndex(0);
    form->Memo1->setFocus();
    form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClick(form->Memo1, Qt::Key_E);
    EXPECT_TRUE(form->Memo1->toPlainText().endsWith(u'e'));
    EXPECT_TRUE(fakes.clock.sleeps.empty());
    QTest::keyClick(form->Memo1, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(fakes.clock.sleeps.size(), 2u);
    EXPECT_FALSE(form->Memo1->toPlainText().endsWith(u"ee"));

    // The tab control takes no text: R resets from it.
    form->PageControl1->tabBar()->setFocus();
    QTest::keyClick(form->PageControl1->tabBar(), Qt::Key_R);
    EXPECT_TRUE(form->KreniButton->isEnabled());
}

TEST_F(FormFixture, SpinBoxRefusesLettersWithABeepAndStepsByOne) {
    form->PageControl1->setCurrentIndex(2);
    TSpinEdit* spin = form->HistoSpinEdit;
    spin->setFocus();
    int changes = 0;
    spin->OnChange = [&] { ++changes; };
    EXPECT_EQ(spin->Value(), 10);

    QTest::keyClick(spin, Qt::Key_E);
    QTest::keyClick(spin, Qt::Key_R);
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(fakes.beep.count, 3);
    EXPECT_EQ(spin->text(), "10");
    EXPECT_TRUE(form->KreniButton->isEnabled()) << "E in a spin box is no access key";

    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 11);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 9);
    EXPECT_EQ(changes, 3);

    spin->Editor()->selectAll();
    QTest::keyClicks(spin, "-4");
    EXPECT_EQ(spin->Value(), -4);
    QTest::keyClicks(spin, "+");
    EXPECT_EQ(spin->text(), "-4+");
    EXPECT_EQ(spin->Value(), 0) << "a text that is no integer reads as 0";
    EXPECT_EQ(fakes.beep.count, 3);

    // Pasting is not filtered; unbounded.
    spin->Editor()->setText("abc");
    EXPECT_EQ(spin->Value(), 0);
    spin->SetValue(2147483646);
    spin->stepBy(1);
    EXPECT_EQ(spin->Value(), 2147483647);
}

TEST_F(FormFixture, SpinBoxStepsByOneWithCtrlTakesOnlyAsciiDigitsAndStopsAtTheIntRange) {
    form->PageControl1->setCurrentIndex(2);
    TSpinEdit* spin = form->HistoSpinEdit;
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(spin->Value(), 11);
    QTest::keyClick(spin, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(spin->Value(), 10);

    // Arabic-Indic seven and a full-width three are digits to Unicode, not here.
    spin->Editor()->end(false);
    for (const QString& digit : {QString(QChar(0x0667)), QString(QChar(0xFF13))})
        QTest::sendKeyEvent(QTest::Click, spin, Qt::Key_unknown, digit, Qt::NoModifier);
    EXPECT_EQ(spin->text(), "10");
    EXPECT_EQ(fakes.beep.count, 2);

    struct Case {
        int from, steps, to;
    };
    for (const Case c : {Case{INT_MAX, 1, INT_MAX}, Case{INT_MAX - 1, 1, INT_MAX},
                         Case{INT_MIN, -1, INT_MIN}, Case{INT_MIN + 1, -5, INT_MIN}}) {
        spin->SetValue(c.from);
        spin->stepBy(c.steps);
        EXPECT_EQ(spin->Value(), c.to) << c.from << " " << c.steps;
    }
}

TEST_F(FormFixture, AltLettersNoButtonTakesAreTypedNowhere) {
    // In a spin box: refused with a beep, like any other letter.
    form->PageControl1->setCurrentIndex(2);
    TSpinEdit* spin = form->HistoSpinEdit;
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(spin, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(spin->text(), "10");
    EXPECT_EQ(fakes.beep.count, 2);
    EXPECT_TRUE(fakes.clock.sleeps.empty()) << "Kreni is not on this page";

    // In the memo: nothing at all.
    form->PageControl1->setCurrentIndex(0);
    form->Memo1->setFocus();
    const QString before = form->Memo1->toPlainText();
    QTest::keyClick(form->Memo1, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->toPlainText(), before);
}

TEST_F(FormFixture, ErrorsEscapingAHandlerAreShownAndTheProgramGoesOn) {
    // A clock measurement that sees no time pass cannot divide: Kreni's handler ends there.
    fakes.clock.onSleep = [&](std::uint32_t) { fakes.clock.Set(0); };
    QTest::mouseClick(form->KreniButton, Qt::LeftButton);
    EXPECT_EQ(fakes.errors.shown, QStringList{"Invalid floating point operation."});
    EXPECT_EQ(form->RPanel->Color(), clYellow) << "what the handler did before stays";
    fakes.clock.onSleep = nullptr;
    QTest::mouseClick(form->ResetButton, Qt::LeftButton);
    EXPECT_EQ(form->RPanel->Color(), clRed);
}

TEST_F(FormFixture, WidgetsTellAssistiveTechnologyWhatTheyShow) {
    auto text = [](QObject* o, QAccessible::Text t) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
        return a ? a->text(t) : QString("<none>");
    };
    auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
    EXPECT_EQ(text(form->KreniButton, QAccessible::Name), "Kreni");
    EXPECT_EQ(role(form->KreniButton), QAccessible::Button);
    EXPECT_EQ(text(form->RPanel, QAccessible::Name), form->RPanel->Caption());
    form->KreniButtonClick();
    EXPECT_EQ(text(form->RPanel, QAccessible::Name), form->RPanel->Caption());
    EXPECT_EQ(text(form->MainStatusBar, QAccessible::Name),
              "Tavulin - Quillard - Ordanel - Velk - Lornik - 2006");
    QAccessibleInterface* memo = QAccessible::queryAccessibleInterface(form->Memo1);
    ASSERT_TRUE(memo && memo->textInterface());
    EXPECT_EQ(memo->textInterface()->text(0, memo->textInterface()->characterCount()),
              "Rezultati merenja:");
    QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(form->SpinEditSleep);
    ASSERT_TRUE(spin && spin->valueInterface());
    EXPECT_EQ(spin->valueInterface()->currentValue().toInt(), 17);
    QAccessibleInterface* tabs =
        QAccessible::queryAccessibleInterface(form->PageControl1->tabBar());
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->child(3)->text(QAccessible::Name), " Kalibracija ");
}

TEST_F(FormFixture, EveryButtonAndSpinBoxCarriesItsComponentName) {
    const std::pair<QWidget*, const char*> named[] = {{form->KreniButton, "KreniButton"},
                                                      {form->ResetButton, "ResetButton"},
                                                      {form->Button1, "Button1"},
                                                      {form->Button2, "Button2"},
                                                      {form->Button3, "Button3"},
                                                      {form->Button4, "Button4"},
                                                      {form->Button5, "Button5"},
                                                      {form->Button6, "Button6"},
                                                      {form->Button7, "Button7"},
                                                      {form->ButtonIzmeri, "ButtonIzmeri"},
                                                      {form->HistoSpinEdit, "HistoSpinEdit"},
                                                      {form->SpinEditSleep, "SpinEditSleep"},
                                                      {form->SpinEditIter, "SpinEditIter"}};
    for (const auto& [widget, name] : named) {
        EXPECT_EQ(widget->objectName(), name);
        EXPECT_EQ(form->findChild<QWidget*>(name), widget) << name;
    }
    for (const QWidget* w : form->findChildren<TButton*>())
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
}

TEST(WindowTimer, ExpiriesMissedWhileBusyMakeOneTickAndNoneAfterSwitchingOff) {
    TWindowTimer timer(1, nullptr);
    platform::SystemSleeper sleeper;
    int ticks = 0;
    timer.OnTimer = [&] {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    sleeper.Sleep(5); // the thread is busy through several intervals
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 1000));
    EXPECT_EQ(ticks, 1);

    timer.SetEnabled(true);
    sleeper.Sleep(3);
    timer.SetEnabled(false); // due, but switched off before the loop saw it
    QTest::qWait(5);
    EXPECT_EQ(ticks, 1);
}

// What reaches the log by pasting is text only: data without text (an empty X selection
// among it) leaves the log as it was.
TEST_F(FormFixture, MemoPastesOnlyText) {
    form->Memo1->moveCursor(QTextCursor::End);
    auto image = std::make_unique<QMimeData>();
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    // The clipboard takes the data over.
    QApplication::clipboard()->setMimeData(image.release());
    form->Memo1->paste();
    EXPECT_EQ(MemoLines(), QStringList{"Rezultati merenja:"});
    QApplication::clipboard()->setText(QStringLiteral(" 250"));
    form->Memo1->paste();
    EXPECT_EQ(MemoLines(), QStringList{"Rezultati merenja: 250"});
}
