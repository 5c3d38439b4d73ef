// The record framework: navigation, the edit cycle, rows for views and data sources.
#include "DataSource.h"
#include "SeriesFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A view that writes down what its data source tells it.
class RecordingLink : public TDataLink {
public:
    std::vector<std::string> events;
    std::function<void()> onUpdateData;

protected:
    void ActiveChanged() override { events.push_back("active"); }
    void DataSetChanged() override { events.push_back("changed"); }
    void DataSetScrolled() override { events.push_back("scrolled"); }
    void RecordChanged(const TField* field) override {
        events.push_back("record " + (field ? field->FieldName() : std::string()));
    }
    void EditingChanged() override { events.push_back("state"); }
    void UpdateData() override {
        events.push_back("update");
        if (onUpdateData)
            onUpdateData();
    }
};

struct FrameworkFixture : SeriesFixture {
    TDataSource source{&dataSet};
    RecordingLink grid;
    RecordingLink navigator;

    FrameworkFixture() {
        AddPoints({{0, 10}, {1, 20}, {2, 30}});
        grid.SetDataSource(&source);
        navigator.SetDataSource(&source);
        dataSet.Open();
        grid.events.clear();
        navigator.events.clear();
    }
};

} // namespace

TEST_F(SeriesFixture, EditOnAnEmptyTableInserts) {
    dataSet.Open();
    dataSet.Edit();
    EXPECT_EQ(dataSet.State(), dsInsert);
    EXPECT_EQ(dataSet.RowCount(), 1);
    Field("X").SetAsFloat(3);
    EXPECT_EQ(Field("X").AsFloat(), 3) << "the new record is readable before it is posted";
    dataSet.Cancel();
    EXPECT_TRUE(dataSet.IsEmpty());
    EXPECT_EQ(series.PointCount(), 0);
}

TEST_F(SeriesFixture, WritingNeedsEditOrInsertState) {
    AddPoints({{0, 1}});
    dataSet.Open();
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { Field("Y").SetAsFloat(2); }),
              "Dataset not in edit or insert mode");
    dataSet.Close();
    EXPECT_EQ(MessageOf<EDatabaseError>([&] { dataSet.First(); }),
              "Cannot perform this operation on a closed dataset");
}

TEST_F(SeriesFixture, MovingPostsAChangedRecordAndDropsAnUnchangedOne) {
    AddPoints({{0, 1}, {1, 2}, {2, 3}});
    dataSet.Open();
    dataSet.Edit();
    dataSet.Next();
    EXPECT_EQ(dataSet.State(), dsBrowse);
    EXPECT_EQ(series.PointColors(), nullptr) << "an unchanged record is not written";
    dataSet.Edit();
    Field("Y").SetAsFloat(20);
    dataSet.Next();
    EXPECT_EQ(Y(1), 20);
    EXPECT_EQ(dataSet.RecNo(), 3);
    // An unchanged new record is dropped as well.
    dataSet.Append();
    dataSet.First();
    EXPECT_EQ(series.PointCount(), 3);
}

TEST_F(SeriesFixture, DeleteDropsANewRecordAndTheChangesOfAnEditedOne) {
    AddPoints({{0, 1}, {1, 2}});
    dataSet.Open();
    dataSet.Insert();
    dataSet.Delete();
    EXPECT_EQ(dataSet.State(), dsBrowse);
    EXPECT_EQ(series.PointCount(), 2);
    dataSet.Edit();
    Field("Y").SetAsFloat(9);
    dataSet.Delete();
    EXPECT_EQ(dataSet.State(), dsBrowse);
    ASSERT_EQ(series.PointCount(), 1);
    EXPECT_EQ(Y(0), 2);
}

TEST_F(SeriesFixture, AVetoedNewPointIsAnErrorAndTheRecordStaysInInsert) {
    AddPoints({{0, 1}});
    dataSet.Open();
    series.OnBeforeAdd = [](TChartSeries&) { return false; };
    dataSet.Append();
    Field("X").SetAsFloat(5);
    EXPECT_FALSE(MessageOf<EDatabaseError>([&] { dataSet.Post(); }).empty());
    EXPECT_EQ(dataSet.State(), dsInsert);
    EXPECT_EQ(*dataSet.RecordIds(), (std::vector<std::int32_t>{1}));
}

TEST_F(SeriesFixture, RowsForViewsIncludeTheNewRecordWhereItIsInserted) {
    AddPoints({{0, 10}, {1, 20}, {2, 30}});
    dataSet.Open();
    dataSet.Next();
    dataSet.Insert();
    EXPECT_EQ(dataSet.RowCount(), 4);
    EXPECT_EQ(dataSet.InsertRow(), 1);
    EXPECT_EQ(dataSet.CurrentRow(), 1);
    Field("Y").SetAsFloat(15);
    auto scratch = dataSet.NewRecordBuffer();
    auto yOfRow = [&](int row) {
        const TRecordBuffer* record = dataSet.ReadRow(row, *scratch);
        return record ? std::get<double>(dataSet.FieldValue(Field("Y"), *record)) : -1.0;
    };
    EXPECT_EQ(yOfRow(0), 10);
    EXPECT_EQ(yOfRow(1), 15);
    EXPECT_EQ(yOfRow(2), 20);
    EXPECT_EQ(yOfRow(3), 30);
    EXPECT_EQ(yOfRow(4), -1);
    dataSet.Cancel();
    dataSet.Append();
    EXPECT_EQ(dataSet.InsertRow(), 3);
    dataSet.Cancel();
    EXPECT_EQ(dataSet.CurrentRow(), 2) << "cancelling an append shows the last record";
}

TEST_F(FrameworkFixture, EveryViewHearsOfMovesEditsAndPosts) {
    dataSet.Next();
    dataSet.Edit();
    Field("Y").SetAsFloat(25);
    dataSet.Post();
    const std::vector<std::string> expected{"scrolled", "state",   "record Y",
                                            "update",   "changed", "state"};
    EXPECT_EQ(grid.events, expected);
    EXPECT_EQ(navigator.events, expected);
    EXPECT_EQ(source.State(), dsBrowse);
}

TEST_F(FrameworkFixture, AViewHandsOverItsPendingValueBeforeThePost) {
    dataSet.Edit();
    grid.onUpdateData = [&] { Field("Y").SetAsFloat(11); };
    dataSet.Post();
    EXPECT_EQ(Y(0), 11);
}

TEST_F(FrameworkFixture, AViewThatCannotHandOverItsValueStopsThePost) {
    dataSet.Edit();
    Field("X").SetAsFloat(0.5);
    grid.onUpdateData = [&] { Field("Y").SetAsString("abc"); };
    EXPECT_EQ(MessageOf<EConvertError>([&] { dataSet.Post(); }),
              "'abc' is not a valid floating point value");
    EXPECT_EQ(dataSet.State(), dsEdit);
    EXPECT_EQ(X(0), 0);
    EXPECT_EQ(Field("X").AsFloat(), 0.5) << "nothing typed is lost";
}

TEST_F(FrameworkFixture, DisabledControlsHearOneChangeAtTheEnd) {
    dataSet.DisableControls();
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        ;
    EXPECT_TRUE(grid.events.empty());
    dataSet.EnableControls();
    EXPECT_EQ(grid.events, std::vector<std::string>{"changed"});
}

TEST_F(FrameworkFixture, EitherSideMayGoFirst) {
    {
        TDataSource shortLived(&dataSet);
        RecordingLink view;
        view.SetDataSource(&shortLived);
    }
    auto other = std::make_unique<TSeriesDataSet>();
    TDataSource otherSource(other.get());
    RecordingLink view;
    view.SetDataSource(&otherSource);
    other.reset();
    EXPECT_EQ(otherSource.DataSet(), nullptr);
    EXPECT_EQ(view.DataSet(), nullptr);
    {
        TDataSource gone(&dataSet);
        view.SetDataSource(&gone);
    }
    EXPECT_EQ(view.DataSource(), nullptr);
    dataSet.Next(); // still tells its remaining sources
    EXPECT_EQ(grid.events.back(), "scrolled");
}

TEST(FieldConversions, IntegersRoundHalfToEvenAndNumbersPrintWith15Digits) {
    TLineSeries series;
    for (double y : {234.5, 235.5, -0.5})
        series.AddValue(y);
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&series);
    dataSet.Open();
    std::vector<std::int32_t> ints;
    for (; !dataSet.Eof(); dataSet.Next())
        ints.push_back(dataSet.FieldByName("Y").AsInteger());
    EXPECT_EQ(ints, (std::vector<std::int32_t>{234, 236, 0}));
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(1234567.125), "1234567.125");
}
