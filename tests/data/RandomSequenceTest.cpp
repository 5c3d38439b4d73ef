// Seeded random sequences of record operations on a series dataset, checked after every step
// against a plain list of points: the series holds exactly what was posted, the current record
// shows the point it stands on, and a bookmark leads back to its record.
#include "RandomSequence.h"
#include "SeriesFixture.h"

#include <optional>

namespace {

struct RecordOp {
    enum Kind {
        First,
        Last,
        Next,
        Prior,
        MoveBy,
        SetRecNo,
        Edit,
        Insert,
        Append,
        SetX,
        SetY,
        Post,
        Cancel,
        Delete,
        Bookmark,
        Reopen
    } kind;
    double where;
    double value;
    std::string Describe() const {
        static const char* names[] = {
            "First",         "Last", "Next",   "Prior",  "MoveBy",
            "SetRecNo",      "Edit", "Insert", "Append", "SetX",
            "SetY",          "Post", "Cancel", "Delete", "bookmark round trip",
            "Close and Open"};
        std::ostringstream out;
        out << names[kind] << " " << where << " " << value;
        return out.str();
    }
};

std::vector<RecordOp> RecordOps(std::mt19937& random) {
    std::vector<RecordOp> ops;
    std::discrete_distribution<int> kind({3, 3, 8, 8, 4, 4, 6, 4, 4, 8, 8, 6, 3, 4, 3, 1});
    std::uniform_real_distribution<double> where(0, 1);
    for (int i = 0; i < 3000; ++i)
        ops.push_back({RecordOp::Kind(kind(random)), where(random),
                       std::uniform_int_distribution<int>(-6, 6)(random) * 0.5});
    return ops;
}

struct Point {
    double x, y;
};

// The point a pending edit or new record will become.
struct Pending {
    bool insert;
    int index; // the edited point
    Point point;
    bool modified;
};

struct Check {
    SeriesFixture& f;
    std::vector<Point> points;
    std::optional<Pending> pending;
    // A new record's id goes to the end of the id list wherever its point lands, so ids follow
    // positions again only once the dataset is reopened (as its owners do after a change).
    bool idsShifted = false;

    int Count() const { return int(points.size()); }

    // What a move, or anything else that leaves the record, does to a pending record first.
    void Settle() {
        if (!pending)
            return;
        if (pending->modified)
            Write();
        pending.reset();
    }
    void Write() {
        if (!pending->insert) {
            points[std::size_t(pending->index)] = pending->point;
            return;
        }
        idsShifted = true;
        // Placed by X as the series places it: after the last point, counted from the end,
        // whose X is not above it (edited X values may have left the points unsorted).
        int k = Count() - 1;
        while (k >= 0 && points[std::size_t(k)].x > pending->point.x)
            --k;
        points.insert(points.begin() + (k + 1), pending->point);
    }

    std::string Compare() {
        TSeriesDataSet& d = f.dataSet;
        if (f.series.PointCount() != Count())
            return "the series holds " + std::to_string(f.series.PointCount()) + " points, not " +
                   std::to_string(Count());
        for (int i = 0; i < Count(); ++i)
            if (f.X(i) != points[std::size_t(i)].x || f.Y(i) != points[std::size_t(i)].y)
                return "point " + std::to_string(i) + " differs";
        if (d.RecordCount() != Count())
            return "record count";
        const bool editing = d.State() == dsEdit || d.State() == dsInsert;
        if (editing != pending.has_value())
            return "state " + std::to_string(int(d.State()));
        if (pending) {
            if (f.Field("X").AsFloat() != pending->point.x ||
                f.Field("Y").AsFloat() != pending->point.y)
                return "the record being edited shows other values";
            return {};
        }
        if (Count() == 0)
            return d.IsEmpty() ? std::string() : "an empty table that is not empty";
        const int recNo = d.RecNo();
        if (recNo < 1 || recNo > Count())
            return "record number " + std::to_string(recNo);
        const Point& p = points[std::size_t(recNo - 1)];
        if (f.Field("X").AsFloat() != p.x || f.Field("Y").AsFloat() != p.y)
            return "the current record " + std::to_string(recNo) + " shows another point";
        return {};
    }

    void Apply(const RecordOp& op) {
        TSeriesDataSet& d = f.dataSet;
        const int n = Count();
        switch (op.kind) {
        case RecordOp::First:
            Settle();
            d.First();
            break;
        case RecordOp::Last:
            Settle();
            d.Last();
            break;
        case RecordOp::Next:
            Settle();
            d.Next();
            break;
        case RecordOp::Prior:
            Settle();
            d.Prior();
            break;
        case RecordOp::MoveBy:
            Settle();
            d.MoveBy(int(op.value * 4));
            break;
        case RecordOp::SetRecNo:
            Settle();
            d.SetRecNo(int(op.where * (n + 2)));
            break;
        case RecordOp::Edit:
            if (pending)
                break;
            if (n == 0) {
                pending = Pending{true, -1, {0, 0}, false};
            } else {
                pending = Pending{false, d.RecNo() - 1, points[std::size_t(d.RecNo() - 1)], false};
            }
            d.Edit();
            break;
        case RecordOp::Insert:
        case RecordOp::Append:
            Settle();
            pending = Pending{true, -1, {0, 0}, false};
            op.kind == RecordOp::Insert ? d.Insert() : d.Append();
            break;
        case RecordOp::SetX:
        case RecordOp::SetY:
            if (!pending)
                break;
            (op.kind == RecordOp::SetX ? pending->point.x : pending->point.y) = op.value;
            pending->modified = true;
            f.Field(op.kind == RecordOp::SetX ? "X" : "Y").SetAsFloat(op.value);
            break;
        case RecordOp::Post:
            if (pending)
                Write();
            pending.reset();
            d.Post();
            break;
        case RecordOp::Cancel:
            pending.reset();
            d.Cancel();
            break;
        case RecordOp::Delete:
            if (pending && pending->insert) {
                pending.reset();
            } else if (n > 0) {
                points.erase(points.begin() + (d.RecNo() - 1));
                pending.reset();
            }
            d.Delete();
            break;
        case RecordOp::Bookmark: {
            Settle();
            d.CheckBrowseMode();
            if (d.IsEmpty() || idsShifted)
                break;
            const int recNo = d.RecNo();
            const std::int32_t bookmark = d.GetBookmark();
            d.MoveBy(int(op.value * 4));
            d.GotoBookmark(bookmark);
            if (d.RecNo() != recNo)
                throw std::runtime_error("the bookmark of record " + std::to_string(recNo) +
                                         " led to record " + std::to_string(d.RecNo()));
            break;
        }
        case RecordOp::Reopen:
            pending.reset();
            idsShifted = false;
            d.Close();
            d.Open();
            break;
        }
    }
};

// The fixture's objects, built afresh for every run of a sequence.
struct Objects : SeriesFixture {
    void TestBody() override {}
};

std::string RunRecords(const std::vector<RecordOp>& ops) {
    Objects f;
    f.AddPoints({{0, 10}, {1, 11}, {2, 12}});
    f.dataSet.Open();
    Check check{f, {{0, 10}, {1, 11}, {2, 12}}, std::nullopt, false};
    for (std::size_t step = 0; step < ops.size(); ++step) {
        try {
            check.Apply(ops[step]);
        } catch (const std::exception& e) {
            return "step " + std::to_string(step) + " raised: " + e.what();
        }
        if (std::string diff = check.Compare(); !diff.empty())
            return "after step " + std::to_string(step) + ": " + diff;
    }
    return {};
}

} // namespace

TEST(RandomSequences, SeriesDataSetRecordsFollowAPlainList) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        EXPECT_EQ(RandomSequence::Run<RecordOp>(seed, RecordOps(random), RunRecords), "");
    }
}
