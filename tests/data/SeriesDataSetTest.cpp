// The series dataset: records over the points of a series, and edits written back into it.
#include "BarSeries.h"
#include "ChartException.h"
#include "SeriesFixture.h"

#include <string>
#include <vector>

using Ids = std::vector<std::int32_t>;

TEST(SeriesDataSetOpen, WithoutASeriesRefusesAndStaysClosed) {
    TSeriesDataSet dataSet;
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { dataSet.Open(); }),
              "Cannot open SeriesDataSet. No Series assigned.");
    EXPECT_FALSE(dataSet.Active());
    EXPECT_EQ(dataSet.RecordIds(), nullptr);
}

TEST_F(SeriesFixture, EmptySeriesEndsAtOnceAndReadsNull) {
    dataSet.Open();
    EXPECT_EQ(dataSet.RecordCount(), 0);
    dataSet.First();
    EXPECT_TRUE(dataSet.Eof());
    EXPECT_TRUE(dataSet.Bof());
    EXPECT_TRUE(Field("Y").IsNull());
    EXPECT_EQ(Field("Y").AsFloat(), 0);
    EXPECT_EQ(Field("Y").AsInteger(), 0);
    EXPECT_EQ(dataSet.RecNo(), 0);
    // Nothing to delete, post or cancel: nothing happens.
    dataSet.Delete();
    dataSet.Post();
    dataSet.Cancel();
    EXPECT_EQ(dataSet.State(), dsBrowse);
    EXPECT_EQ(series.PointCount(), 0);
}

TEST_F(SeriesFixture, CreatesFieldsFromTheSeriesAndDropsThemOnClose) {
    dataSet.Open();
    ASSERT_EQ(dataSet.FieldCount(), 4);
    const std::vector<std::pair<std::string, TFieldType>> expected{{"Color", TFieldType::Integer},
                                                                   {"X", TFieldType::Float},
                                                                   {"Y", TFieldType::Float},
                                                                   {"Label", TFieldType::String}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dataSet.Fields(i).FieldName(), expected[i].first);
        EXPECT_EQ(dataSet.Fields(i).DataType(), expected[i].second);
        EXPECT_EQ(dataSet.Fields(i).FieldNo(), i + 1);
    }
    EXPECT_EQ(dataSet.Fields(3).Size(), 128);
    dataSet.Close();
    EXPECT_EQ(dataSet.FieldCount(), 0);
}

TEST(SeriesDataSetFields, NamedAfterTheValueLists) {
    TBarSeries bars;
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&bars);
    dataSet.Open();
    EXPECT_NE(dataSet.FindField("Bar"), nullptr);
    EXPECT_EQ(dataSet.FindField("Y"), nullptr);
}

TEST(SeriesDataSetFields, DeclaredFieldsAreBoundByNameAndSurviveClosing) {
    TLineSeries series;
    series.AddPoint(1, 10, "a", clRed);
    TSeriesDataSet dataSet;
    dataSet.AddField("Y", TFieldType::Float, 0, 26);
    dataSet.AddField("Label", TFieldType::String, 128, 154);
    dataSet.SetSeries(&series);
    dataSet.Open();
    ASSERT_EQ(dataSet.FieldCount(), 2);
    EXPECT_EQ(dataSet.FieldByName("Y").AsFloat(), 10);
    EXPECT_EQ(dataSet.FieldByName("Y").FieldNo(), 3);
    EXPECT_EQ(dataSet.FieldByName("Label").AsString(), "a");
    dataSet.Close();
    EXPECT_EQ(dataSet.FieldCount(), 2);
    EXPECT_EQ(dataSet.FieldByName("Y").DisplayWidth(), 26);
}

TEST(SeriesDataSetFields, ADeclaredFieldTheSeriesLacksStopsTheOpen) {
    TLineSeries series;
    TSeriesDataSet dataSet;
    dataSet.AddField("Z", TFieldType::Float);
    dataSet.SetSeries(&series);
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { dataSet.Open(); }), "Field 'Z' not found");
    EXPECT_FALSE(dataSet.Active());
}

// A series with a third value list, unnamed.
class ThreeListSeries : public TLineSeries {
public:
    ThreeListSeries() { AddValueList(""); }
};

TEST(SeriesDataSetFields, FurtherListsGetFieldsAndReachNewPointsThroughPendingValue) {
    ThreeListSeries series;
    series.ValuesList()[2].SetPendingValue(7);
    series.AddPoint(0, 1);
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&series);
    dataSet.Open();
    ASSERT_EQ(dataSet.FieldCount(), 5);
    EXPECT_EQ(dataSet.Fields(4).FieldName(), "Value2");
    EXPECT_EQ(dataSet.Fields(4).AsFloat(), 7);

    dataSet.Append();
    dataSet.FieldByName("X").SetAsFloat(5);
    dataSet.FieldByName("Value2").SetAsFloat(42);
    dataSet.Post();
    ASSERT_EQ(series.PointCount(), 2);
    EXPECT_EQ(series.ValuesList()[2].ValueAt(1), 42);
}

TEST_F(SeriesFixture, BrowsesThePointsInOrder) {
    AddPoints({{0, 10}, {1, 20}, {2, 30}});
    series.SetPointLabel(1, "mid");
    dataSet.Open();
    std::vector<double> ys;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        ys.push_back(Field("Y").AsFloat());
    EXPECT_EQ(ys, (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(dataSet.RecNo(), 3);
    EXPECT_EQ(Field("X").AsFloat(), 2);
    EXPECT_EQ(Field("Color").AsInteger(), static_cast<std::int32_t>(series.SeriesColor()));
    dataSet.Prior();
    EXPECT_EQ(Field("Label").AsString(), "mid");
    dataSet.Prior();
    EXPECT_TRUE(Field("Label").IsNull());
    EXPECT_FALSE(dataSet.Bof());
    dataSet.Prior();
    EXPECT_TRUE(dataSet.Bof());
    EXPECT_EQ(dataSet.RecNo(), 1);
}

TEST_F(SeriesFixture, InsertingPlacesThePointByXAndAppendsTheId) {
    AddPoints({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    dataSet.Open();
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2, 3, 4}));
    dataSet.Insert();
    Field("X").SetAsFloat(2.5);
    Field("Y").SetAsFloat(100);
    dataSet.Post();
    EXPECT_EQ(dataSet.RecordCount(), 5);
    EXPECT_EQ(X(3), 2.5);
    EXPECT_EQ(Y(3), 100);
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2, 3, 4, 5}));
    EXPECT_EQ(dataSet.LastId(), 5);
    // The new record is the current one.
    EXPECT_EQ(dataSet.RecNo(), 4);
    EXPECT_EQ(Field("X").AsFloat(), 2.5);
}

TEST_F(SeriesFixture, AnInsertedRecordWithoutColourIsBlack) {
    AddPoints({{0, 1}});
    dataSet.Open();
    dataSet.Append();
    Field("X").SetAsFloat(1);
    Field("Y").SetAsFloat(2);
    dataSet.Post();
    ASSERT_NE(series.PointColors(), nullptr);
    EXPECT_EQ((*series.PointColors())[1], clBlack);
    EXPECT_EQ(series.PointColor(1), clBlack);
    EXPECT_EQ(series.PointColor(0), series.SeriesColor());
}

TEST_F(SeriesFixture, PostingAnEditWritesThePointInPlace) {
    AddPoints({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}});
    dataSet.Open();
    dataSet.SetRecNo(4);
    const int repaints = chart.InvalidateCount();
    dataSet.Edit();
    Field("Y").SetAsFloat(500);
    Field("X").SetAsFloat(99);
    Field("Label").SetAsString("edited");
    EXPECT_EQ(Y(3), 4) << "the series changes only at post";
    dataSet.Post();
    EXPECT_EQ(Y(3), 500);
    EXPECT_EQ(X(3), 99) << "an edited X does not move the point";
    EXPECT_EQ(X(4), 4);
    EXPECT_EQ(series.YValues().MaximumValue(), 500);
    EXPECT_EQ(series.PointLabel(3), "edited");
    EXPECT_EQ(dataSet.RecNo(), 4);
    EXPECT_GT(chart.InvalidateCount(), repaints);
    // The colour shown is now the point's own.
    ASSERT_NE(series.PointColors(), nullptr);
    EXPECT_EQ((*series.PointColors())[3], series.SeriesColor());
    // An empty label removes it again.
    dataSet.Edit();
    Field("Label").Clear();
    dataSet.Post();
    EXPECT_EQ(series.PointLabel(3), "");
}

TEST_F(SeriesFixture, CancelledEditsNeverReachTheSeries) {
    AddPoints({{0, 1}});
    dataSet.Open();
    dataSet.Edit();
    Field("Y").SetAsFloat(9);
    EXPECT_EQ(Field("Y").AsFloat(), 9);
    dataSet.Cancel();
    EXPECT_EQ(Y(0), 1);
    EXPECT_EQ(Field("Y").AsFloat(), 1);
    EXPECT_EQ(series.PointColors(), nullptr);
}

TEST_F(SeriesFixture, DeletingTheLastRecordMakesTheNewLastCurrent) {
    AddPoints({{0, 10}, {1, 20}, {2, 30}});
    dataSet.Open();
    dataSet.Last();
    dataSet.Delete();
    EXPECT_EQ(series.PointCount(), 2);
    EXPECT_EQ(Field("Y").AsFloat(), 20);
    EXPECT_EQ(dataSet.RecNo(), 2);
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2}));
    dataSet.First();
    dataSet.Delete();
    EXPECT_EQ(Field("Y").AsFloat(), 20);
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{2}));
    dataSet.Delete();
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_TRUE(dataSet.IsEmpty());
    EXPECT_EQ(dataSet.Cursor(), -1);
    EXPECT_TRUE(Field("Y").IsNull());
}

TEST_F(SeriesFixture, DeletingAPointTheSeriesNoLongerHasFailsAndChangesNothing) {
    AddPoints({{0, 10}, {1, 20}});
    dataSet.Open();
    dataSet.Last();
    series.DeletePoint(1); // directly, without reopening
    EXPECT_EQ(MessageOf<ChartException>([&] { dataSet.Delete(); }),
              "Series Delete: ValueIndex 1 out of bounds (0 to 0).");
    EXPECT_EQ(series.PointCount(), 1);
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2}));
}

TEST_F(SeriesFixture, LongLabelsAreCutTo128Characters) {
    std::string ascii(200, 'a');
    std::string serbian;
    for (int i = 0; i < 200; ++i)
        serbian += "š"; // two bytes each: the cut must not split one
    series.AddPoint(0, 1, ascii);
    series.AddPoint(1, 1, serbian);
    dataSet.Open();
    EXPECT_EQ(Field("Label").AsString(), std::string(128, 'a'));
    dataSet.Edit();
    Field("Y").SetAsFloat(2);
    dataSet.Post();
    EXPECT_EQ(series.PointLabel(0), std::string(128, 'a'));
    dataSet.Next();
    EXPECT_EQ(Field("Label").AsString().size(), 256u);
    dataSet.Edit();
    Field("Label").SetAsString(serbian + "x");
    EXPECT_EQ(Field("Label").AsString().size(), 256u);
}

TEST_F(SeriesFixture, APointAddedDirectlyHasNoIdUntilReopened) {
    AddPoints({{0, 1}, {1, 2}, {2, 3}});
    dataSet.Open();
    series.AddValue(4);
    EXPECT_EQ(dataSet.RecordCount(), 4);
    dataSet.Last();
    EXPECT_EQ(dataSet.GetBookmark(), -1);
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { dataSet.GotoBookmark(-1); }), "Bookmark not found");
    EXPECT_EQ(dataSet.RecNo(), 4) << "the failed jump leaves the cursor where it was";
    dataSet.Close();
    dataSet.Open();
    dataSet.Last();
    EXPECT_EQ(dataSet.GetBookmark(), 4);
}

TEST_F(SeriesFixture, BookmarksLeadBackToTheirRecords) {
    AddPoints({{0, 10}, {1, 20}, {2, 30}});
    dataSet.Open();
    dataSet.Next();
    const auto bookmark = dataSet.GetBookmark();
    EXPECT_EQ(bookmark, 2);
    dataSet.Last();
    dataSet.GotoBookmark(bookmark);
    EXPECT_EQ(Field("Y").AsFloat(), 20);
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { dataSet.GotoBookmark(9); }), "Bookmark not found");
}

TEST_F(SeriesFixture, RecordNumbers) {
    AddPoints({{0, 10}, {1, 20}, {2, 30}});
    dataSet.Open();
    EXPECT_TRUE(dataSet.InternalSetRecNo(0));
    EXPECT_EQ(dataSet.Cursor(), -1) << "record 0 is before the first record";
    EXPECT_EQ(dataSet.RecNo(), 1);
    EXPECT_FALSE(dataSet.InternalSetRecNo(4));
    EXPECT_FALSE(dataSet.InternalSetRecNo(-1));
    EXPECT_EQ(dataSet.Cursor(), -1);
    dataSet.SetRecNo(3);
    EXPECT_EQ(Field("Y").AsFloat(), 30);
    dataSet.SetRecNo(4); // ignored
    EXPECT_EQ(dataSet.RecNo(), 3);
    dataSet.SetRecNo(0); // the framework refetches: the first record becomes current
    EXPECT_EQ(dataSet.RecNo(), 1);
}

TEST_F(SeriesFixture, WholeRecordsInOneStep) {
    AddPoints({{0, 1}, {2, 1}});
    dataSet.Open();
    dataSet.InsertRecord({std::int32_t(clRed), 1.0, 5.0, std::string("in")});
    dataSet.AppendRecord({std::monostate{}, 9.0, 6.0});
    ASSERT_EQ(series.PointCount(), 4);
    EXPECT_EQ(X(1), 1);
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.PointLabel(1), "in");
    EXPECT_EQ(X(3), 9);
    EXPECT_EQ(series.PointColor(3), clBlack);
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2, 3, 4}));
    EXPECT_EQ(Field("X").AsFloat(), 9);
}

TEST_F(SeriesFixture, RefusesToClearAValueInsteadOfStoringZero) {
    AddPoints({{0, 7}});
    dataSet.Open();
    dataSet.Edit();
    for (const char* name : {"Color", "X", "Y"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(MessageOf<EDatabaseError>([&] { Field(name).Clear(); }),
                  std::string("Field '") + name + "' must have a value");
        EXPECT_EQ(MessageOf<EDatabaseError>([&] { Field(name).SetAsString("  "); }),
                  std::string("Field '") + name + "' must have a value");
    }
    EXPECT_EQ(dataSet.State(), dsEdit);
    EXPECT_EQ(Field("Y").AsFloat(), 7);
    EXPECT_FALSE(dataSet.Modified());
}

TEST_F(SeriesFixture, TextThatIsNoNumberIsAConversionErrorAndTheRecordStaysInEdit) {
    AddPoints({{0, 7}});
    dataSet.Open();
    dataSet.Edit();
    EXPECT_EQ(MessageOf<EConvertError>([&] { Field("Y").SetAsString("abc"); }),
              "'abc' is not a valid floating point value");
    EXPECT_EQ(MessageOf<EConvertError>([&] { Field("X").SetAsString("1.5x"); }),
              "'1.5x' is not a valid floating point value");
    EXPECT_EQ(MessageOf<EConvertError>([&] { Field("Color").SetAsString("red"); }),
              "'red' is not a valid integer value");
    EXPECT_EQ(dataSet.State(), dsEdit);
    Field("Y").SetAsString(" 12.25 ");
    dataSet.Post();
    EXPECT_EQ(Y(0), 12.25);
}

TEST_F(SeriesFixture, ReopensWhenTheChartReportsChangedData) {
    AddPoints({{0, 10}, {1, 20}});
    dataSet.Open();
    dataSet.Last();
    series.AddValue(30);
    series.BeginPointBatch();
    series.EndPointBatch(); // the chart broadcasts DataChanged
    EXPECT_EQ(*dataSet.RecordIds(), (Ids{1, 2, 3}));
    EXPECT_EQ(dataSet.RecNo(), 1);
}

TEST_F(SeriesFixture, IgnoresOtherChartEventsAndStopsListeningWhenTheSeriesLeaves) {
    AddPoints({{0, 10}, {1, 20}});
    dataSet.Open();
    dataSet.Last();
    series.SetTitle("t");
    EXPECT_EQ(dataSet.RecNo(), 2);
    chart.RemoveSeries(series);
    EXPECT_EQ(chart.Listeners().Count(), 0);
    EXPECT_TRUE(dataSet.Active());
}

TEST(SeriesDataSetLifetime, ChangingOrLosingTheSeries) {
    TCustomChartBase chart;
    auto first = std::make_unique<TLineSeries>();
    TLineSeries second;
    chart.AddSeries(*first);
    first->AddValue(1);
    second.AddValue(1);
    second.AddValue(2);
    TSeriesDataSet dataSet;
    dataSet.SetSeries(first.get());
    dataSet.Open();
    EXPECT_EQ(chart.Listeners().Count(), 1);

    dataSet.SetSeries(&second);
    EXPECT_TRUE(dataSet.Active());
    EXPECT_EQ(dataSet.RecordCount(), 2);
    EXPECT_EQ(chart.Listeners().Count(), 0);

    dataSet.SetSeries(first.get());
    first.reset();
    EXPECT_EQ(dataSet.Series(), nullptr);
    EXPECT_FALSE(dataSet.Active());
    EXPECT_EQ(chart.Listeners().Count(), 0);
}

TEST(SeriesDataSetDateTime, DateTimeListsAreShownAsTimeStamps) {
    TLineSeries series;
    series.XValues().SetDateTime(true);
    series.AddPoint(36526.5, 1); // 1 January 2000, noon
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&series);
    dataSet.Open();
    TField& x = dataSet.FieldByName("X");
    EXPECT_EQ(x.DataType(), TFieldType::DateTime);
    EXPECT_EQ(std::get<double>(x.Value()), (36526.0 + 693594.0) * 86400000.0 + 43200000.0);
    EXPECT_EQ(x.AsFloat(), 36526.5);
    dataSet.Edit();
    x.SetAsFloat(36527.25);
    dataSet.Post();
    EXPECT_EQ(series.XValues().ValueAt(0), 36527.25);
}

TEST(SeriesDataSetLifetime, AChartDestroyedBeforeItsListeningDataSetIsForgotten) {
    TLineSeries series;
    ProbedSeriesDataSet dataSet;
    {
        TCustomChartBase chart;
        chart.AddSeries(series);
        dataSet.SetSeries(&series);
        dataSet.Open();
        ASSERT_EQ(chart.Listeners().Count(), 1);
    }
    // Letting go of the series would remove the dataset from a chart long gone.
    series.AddPoint(1, 2);
    dataSet.SetSeries(nullptr);
    EXPECT_FALSE(dataSet.Active());

    // A new chart of the series is listened to as usual.
    TCustomChartBase chart;
    chart.AddSeries(series);
    dataSet.SetSeries(&series);
    EXPECT_EQ(chart.Listeners().Count(), 1);
    dataSet.SetSeries(nullptr);
    EXPECT_EQ(chart.Listeners().Count(), 0);
}
