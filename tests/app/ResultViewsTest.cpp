// The result views: charts and series of the window, grids and navigators over the results,
// and each measured time recorded in Series0.
#include "ResultViewsFixture.h"

TEST_F(ResultViews, ChartsHoldTheirSeriesInFormOrderWithTheirSettings) {
    const std::vector<std::pair<TCustomChartBase*, std::vector<TChartSeries*>>> charts{
        {&form->DBChart1, {&form->Series0, &form->Series1, &form->Series2}},
        {&form->DBChart2, {&form->SeriesHistogram}},
        {&form->DBChart3, {&form->SeriesQueryPerformance, &form->SeriesRDTSC, &form->Series3}}};
    for (const auto& [chart, series] : charts) {
        ASSERT_EQ(chart->SeriesCount(), static_cast<int>(series.size()));
        for (std::size_t i = 0; i < series.size(); ++i)
            EXPECT_EQ(&chart->Series(static_cast<int>(i)), series[i]);
    }
    EXPECT_EQ(form->Series0.SeriesColor(), 0xFF9999u);
    EXPECT_EQ(form->Series1.SeriesColor(), 0x663399u);
    EXPECT_EQ(form->Series2.SeriesColor(), 0xCCFFFFu);
    EXPECT_EQ(form->SeriesHistogram.SeriesColor(), 0xFF9999u);
    EXPECT_EQ(form->SeriesQueryPerformance.SeriesColor(), clBlue);
    EXPECT_EQ(form->SeriesRDTSC.SeriesColor(), clRed);
    EXPECT_EQ(form->Series3.SeriesColor(), clYellow);
    EXPECT_EQ(form->SeriesRDTSC.LinePen().Color(), RGBColor(0, 255, 64));
    EXPECT_EQ(form->Series3.DisplayTitle(), "CPUcalcms");
    EXPECT_FALSE(form->Series0.ShowInLegend());
    EXPECT_TRUE(form->Series2.ShowInLegend());
    EXPECT_EQ(form->Series0.PercentFormat(), "##0.##,%");
    EXPECT_EQ(form->SeriesRDTSC.PercentFormat(), "##0.## %");
    EXPECT_EQ(form->SeriesHistogram.YValues().Name(), "Bar");
    EXPECT_FALSE(form->SeriesHistogram.Marks().Visible());
}

TEST_F(ResultViews, DataSetsAreOpenAndTheViewsSitAtTheirBoxes) {
    EXPECT_TRUE(Results().Active());
    ASSERT_EQ(Results().FieldCount(), 4);
    EXPECT_EQ(Results().FieldByName("Label").DisplayWidth(), 154);
    EXPECT_TRUE(form->SeriesDataSet2.Active());
    EXPECT_EQ(form->SeriesDataSet2.FieldCount(), 4) << "created from Series1";
    EXPECT_EQ(form->DBGrid1->DataSource(), &form->Series0DataSource);
    EXPECT_EQ(form->DBGrid2->DataSource(), &form->DataSource2);
    EXPECT_EQ(form->DBGrid3->DataSource(), &form->Series0DataSource);

    form->PageControl1->setCurrentIndex(1);
    // Anchored right and bottom: the boxes keep their distances to those edges of the page.
    const QSize grown = form->TabSheet2->size() - QSize(806, 378);
    EXPECT_EQ(form->DBGrid1->geometry(), QRect(525 + grown.width(), 16, 265, 257 + grown.height()));
    EXPECT_EQ(form->DBNavigator1->geometry(),
              QRect(QPoint(525, 294) + QPoint(grown.width(), grown.height()), QSize(264, 25)));
    EXPECT_EQ(form->DBChart1Widget->objectName(), "DBChart1");
    EXPECT_EQ(form->DBGrid1->model()->headerData(0, Qt::Horizontal).toString(),
              "Redni broj merenja");
    EXPECT_EQ(form->DBGrid1->columnWidth(1), 115);
    EXPECT_EQ(form->DBGrid3->model()->headerData(1, Qt::Horizontal).toString(), "QueryPerformance");
    EXPECT_EQ(form->DBGrid2->columnWidth(0), 25);
    EXPECT_FALSE(form->DBNavigator1->ConfirmDelete());
    EXPECT_TRUE(form->DBNavigatorKalib->ConfirmDelete());
    EXPECT_EQ(form->DBNavigatorKalib->Button(nbInsert), nullptr);
    EXPECT_EQ(form->DBNavigatorKalib->Button(nbDelete), nullptr);
    EXPECT_NE(form->DBNavigatorKalib->Button(nbEdit), nullptr);
    EXPECT_EQ(form->DBNavigator1->Button(nbEdit), nullptr);
}

TEST_F(ResultViews, EveryResultBecomesTheNextPointRoundedHalfToEven) {
    Record({234.5, 235.5, 100.25});
    EXPECT_EQ(MemoLines().mid(1),
              (QStringList{"Vreme reakcije je 235 ms.", "Vreme reakcije je 236 ms.",
                           "Vreme reakcije je 100 ms."}));
    ASSERT_EQ(form->Series0.PointCount(), 3);
    EXPECT_EQ(std::vector<double>({X(0), X(1), X(2)}), std::vector<double>({0, 1, 2}));
    EXPECT_EQ(std::vector<double>({Y(0), Y(1), Y(2)}), std::vector<double>({234, 236, 100}));
    EXPECT_EQ(form->Series0.PointColors(), nullptr);
    // Every grid on the results shows the new rows, from the first record on.
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 3);
    EXPECT_EQ(Cell(form->DBGrid3, 2, 1), "100");
    EXPECT_EQ(Results().RecNo(), 1);
    EXPECT_EQ(*Results().RecordIds(), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(ResultViews, AResultAfterDeletingTheFirstTakesTheCountAsX) {
    Record({200, 210, 220});
    form->DBNavigator1->Button(nbDelete)->click();
    Record({230});
    ASSERT_EQ(form->Series0.PointCount(), 3);
    EXPECT_EQ(std::vector<double>({X(0), X(1), X(2)}), std::vector<double>({1, 2, 2}));
    EXPECT_EQ(Y(2), 230) << "after the existing X 2";
}

TEST_F(ResultViews, TheFourViewsOnTheResultsShareTheCurrentRecord) {
    Record({200, 210, 220});
    TDBGrid* grid = Grid();
    SelectCell(grid, 2, 1);
    EXPECT_EQ(Results().RecNo(), 3);
    EXPECT_EQ(form->DBGrid3->currentIndex().row(), 2);
    EXPECT_FALSE(Enabled(form->DBNavigator1, nbNext));
    EXPECT_TRUE(Enabled(form->DBNavigatorKalib, nbFirst));
    form->DBNavigatorKalib->Button(nbFirst)->click();
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->currentIndex().column(), 1);
}

TEST_F(ResultViews, NavigatorButtonsAreEnabledOnlyWhereTheyCanAct) {
    auto* nav = form->DBNavigator1;
    auto states = [&] {
        std::string s;
        for (TNavigateBtn b :
             {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel})
            s += Enabled(nav, b) ? '1' : '0';
        return s;
    };
    EXPECT_EQ(states(), "00001000") << "empty table";
    Record({200, 210, 220});
    EXPECT_EQ(states(), "00111100") << "first record";
    Results().Next();
    EXPECT_EQ(states(), "11111100") << "middle record";
    Results().Last();
    EXPECT_EQ(states(), "11001100") << "last record";
    Results().Edit();
    EXPECT_EQ(states(), "11000111") << "editing";
    EXPECT_FALSE(Enabled(form->DBNavigatorKalib, nbEdit));
    Results().Cancel();
    EXPECT_TRUE(Enabled(form->DBNavigatorKalib, nbEdit));
}

TEST_F(ResultViews, DBNavigator1DeletesWithoutAskingTheGridAsksFirst) {
    Record({200, 210, 220});
    form->DBNavigator1->Button(nbDelete)->click();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(form->Series0.PointCount(), 2);
    EXPECT_EQ(form->DBChart1.InvalidateCount() > 0, true);

    TDBGrid* grid = Grid();
    SelectCell(grid, 1, 0);
    answer = false;
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(questions, QStringList{"Delete record?"});
    EXPECT_EQ(form->Series0.PointCount(), 2);
    answer = true;
    Key(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(form->Series0.PointCount(), 1);
    EXPECT_EQ(Y(0), 210);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::ControlModifier); // empty now: no question, nothing happens
    EXPECT_EQ(questions.size(), 3);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ResultViews, TypingEditsTheCurrentRecordAndEnterPostsIt) {
    Record({200, 210, 220});
    TDBGrid* grid = Grid();
    SelectCell(grid, 1, 1);
    Type("500");
    EXPECT_EQ(Results().State(), dsEdit);
    EXPECT_EQ(Y(1), 210) << "the series changes at post";
    Key(Qt::Key_Return);
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_EQ(Y(1), 500);
    EXPECT_EQ(form->Series0.YValues().MaximumValue(), 500);
    EXPECT_EQ(Cell(grid, 1, 1), "500");
    // Leaving the row posts as well; Tab moves to the next cell.
    SelectCell(grid, 0, 0);
    Type("7");
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(X(0), 7) << "the point keeps its index";
    // Tab stops at the last cell instead of wrapping to the first row.
    SelectCell(grid, 2, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(2, 1));
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ResultViews, EscapeDropsTheEdit) {
    Record({200});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 1);
    Type("9");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Results().State(), dsBrowse);
    EXPECT_EQ(Y(0), 200);
    EXPECT_EQ(Cell(grid, 0, 1), "200");
}

TEST_F(ResultViews, BadTextIsAConversionErrorAndStaysInItsCell) {
    Record({200, 210});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 1);
    Type("abc");
    Key(Qt::Key_Return);
    EXPECT_EQ(errors, QStringList{"'abc' is not a valid floating point value."});
    EXPECT_EQ(Results().State(), dsEdit);
    EXPECT_EQ(Y(0), 200);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "abc");
    // Nor can the row be left with it; the same text is not reported twice.
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(Results().RecNo(), 1);
    EXPECT_EQ(Y(0), 200);
    EXPECT_EQ(errors.size(), 1);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "abc");
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, 1));
    editor->setText("250");
    Key(Qt::Key_Return);

    EXPECT_EQ(Y(0), 250);
    EXPECT_EQ(Results().State(), dsBrowse);
}

TEST_F(ResultViews, AClearedCellIsRefusedRatherThanStoredAsZero) {
    Record({200});
    TDBGrid* grid = Grid();
    SelectCell(grid, 0, 0);
    Key(Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(errors, QStringList{"Field 'X' must have a value."});
    EXPECT_EQ(X(0), 0);
    EXPECT_EQ(Y(0), 200);
    EXPECT_EQ(form->Series0.PointCount(), 1);
}

TEST_F(ResultViews, InsertAndDownPastTheLastRowAddRecords) {
    Record({200, 210});
    TDBGrid* grid = Grid();
    SelectCell(grid, 1, 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(Results().State(), dsInsert);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    Key(Qt::Key_Down); // nothing typed yet: no second new record
    EXPECT_EQ(grid->model()->rowCount(), 3);
    Type("5");
    Key(Qt::Key_Tab);
    Type("300");
    Key(Qt::Key_Return);
    ASSERT_EQ(form->Series0.PointCount(), 3);
    EXPECT_EQ(X(2), 5);
    EXPECT_EQ(Y(2), 300);
    EXPECT_EQ(form->Series0.PointColor(2), clBlack) << "a grid shows no colour column";

    SelectCell(grid, 0, 0);
    Key(Qt::Key_Insert);
    EXPECT_EQ(Results().InsertRow(), 0);
    Type("0.5");
    Key(Qt::Key_Down); // leaving the new row posts it
    ASSERT_EQ(form->Series0.PointCount(), 4);
    EXPECT_EQ(X(1), 0.5) << "placed by its X value";
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ResultViews, TheCalibrationNavigatorEditsAndPostsButNeitherInsertsNorDeletes) {
    Record({200});
    form->DBNavigatorKalib->Button(nbEdit)->click();
    Results().FieldByName("Y").SetAsFloat(321);
    form->DBNavigatorKalib->Button(nbPost)->click();
    EXPECT_EQ(Y(0), 321);
    EXPECT_EQ(Results().State(), dsBrowse);
}

TEST_F(ResultViews, PostingFromTheNavigatorTakesTheValueStillInTheCellEditor) {
    Record({200});
    Grid();
    SelectCell(form->DBGrid1, 0, 1);
    Type("abc");
    form->DBNavigator1->Button(nbPost)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(errors, QStringList{"'abc' is not a valid floating point value."});
    EXPECT_EQ(Results().State(), dsEdit);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "abc");
    editor->setText("260");
    form->DBNavigator1->Button(nbPost)->click();
    EXPECT_EQ(Y(0), 260);
}

TEST_F(ResultViews, NumbersShowInTheGeneralFormatWithUpTo15Digits) {
    form->Series0.AddPoint(0.1 + 0.2, 1.0 / 3);
    form->Series0.AddPoint(5, 1e20);
    Results().Close();
    Results().Open();
    const QLocale locale;
    EXPECT_EQ(Cell(form->DBGrid1, 0, 0), locale.toString(0.3, 'g', 15));
    EXPECT_EQ(Cell(form->DBGrid1, 0, 1),
              QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("333333333333333"));
    EXPECT_EQ(Cell(form->DBGrid1, 1, 1), locale.toString(1e20, 'g', 15));
    EXPECT_EQ(
        form->DBGrid1->model()->data(form->DBGrid1->model()->index(0, 0), Qt::TextAlignmentRole),
        QVariant::fromValue(Qt::AlignCenter));
}
