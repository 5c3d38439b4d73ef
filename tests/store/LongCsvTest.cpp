#include "LongCsv.h"
#include "FileSystemHelpers.h"
#include "StoreError.h"
#include "StoreFixture.h"

#include <QProcess>
#include <cmath>

using namespace store;

namespace {

struct LongCsvTest : StoreFixture {
    // A reaction session with an awkward participant and a calibration session with its
    // settings on several lines.
    std::vector<Session> Sessions() {
        Session reaction = SessionOf({231, 250.5, 199}, QStringLiteral("Jovanović, \"Đorđe\""));
        reaction.rows[1].kind = RowKind::Imported;
        reaction.rows[0].onset = Onset::Frame;
        reaction.rows[0].uncertaintyMs = 0.515;
        reaction.rows[2].onset = Onset::Drawing;
        reaction.rows[2].uncertaintyMs = 8.9;
        Session calibration = SessionOf({17.012, 16.998});
        calibration.header.kind = SessionKind::Calibration;
        calibration.header.settings = QStringLiteral("sleep=17\niterations=2");
        for (SessionRow& r : calibration.rows) {
            r.kind = RowKind::Calibration;
            r.cyclesMs = r.ms + 0.001;
            r.reportedClockMs = 17;
        }
        return {reaction, calibration};
    }
};

TEST_F(LongCsvTest, ReadsBackTheSessionsItWrote) {
    const std::vector<Session> sessions = Sessions();
    const std::vector<Session> back = ReadLongCsv(WriteLongCsv(sessions));
    ASSERT_EQ(back.size(), sessions.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].header, sessions[i].header);
        EXPECT_EQ(back[i].rows, sessions[i].rows);
    }
}

// What a statistics package sees: one line per row, its numbers exactly as kept.
TEST_F(LongCsvTest, PythonsCsvReaderGetsTheSameNumbers) {
    const QString file = folder.filePath(QStringLiteral("sesije.csv"));
    WriteFile(file, QByteArray::fromStdString(WriteLongCsv(Sessions())));
    QProcess python;
    python.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import csv,sys\n"
                        "rows=list(csv.DictReader(open(sys.argv[1],newline='',encoding='utf-8')))\n"
                        "print(len(rows), repr(sum(float(r['rt_ms']) for r in rows)), "
                        "rows[0]['participant'], rows[3]['settings'].count(chr(10)))"),
         file});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QStringList out = QString::fromUtf8(python.readAllStandardOutput()).trimmed().split(u' ');
    ASSERT_GE(out.size(), 3);
    EXPECT_EQ(out[0], QStringLiteral("5"));
    // Summed in file order on both sides, so the doubles agree to the last bit.
    EXPECT_EQ(out[1].toDouble(), 231 + 250.5 + 199 + 17.012 + 16.998);
    EXPECT_EQ(out.mid(2).join(u' '), QStringLiteral("Jovanović, \"Đorđe\" 1"));
}

// A file exported before the results kept their onset reads, its rows without one.
TEST_F(LongCsvTest, AnEarlierFileWithoutTheOnsetColumnsReads) {
    const std::vector<Session> back = ReadLongCsv(
        "session,station,start,end,participant,session_kind,row_kind,trial,rt_ms,time,cycles_ms,"
        "reported_clock_ms,settings\r\n"
        "u1,s,2026-01-01T10:00:00.000Z,2026-01-01T10:00:00.000Z,,reaction,measured,0,250,"
        "2026-01-01T10:00:00.000Z,,,\r\n");
    ASSERT_EQ(back.size(), 1u);
    ASSERT_EQ(back[0].rows.size(), 1u);
    EXPECT_EQ(back[0].rows[0].ms, 250);
    EXPECT_EQ(back[0].rows[0].onset, Onset::None);
    EXPECT_TRUE(std::isnan(back[0].rows[0].uncertaintyMs));
}

struct BadCase {
    const char* name;
    std::string text;
    const char* says;
};

class LongCsvRefusesTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(LongCsvRefusesTest, NamesTheLineItCannotRead) {
    try {
        ReadLongCsv(GetParam().text);
        FAIL() << "accepted";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().says), std::string::npos) << e.what();
    }
}

constexpr const char* Header = "session,station,start,end,participant,session_kind,row_kind,trial,"
                               "rt_ms,time,cycles_ms,reported_clock_ms,settings\r\n";
constexpr const char* HeaderWithOnset =
    "session,station,start,end,participant,session_kind,row_kind,trial,rt_ms,time,cycles_ms,"
    "reported_clock_ms,settings,onset,uncertainty_ms\r\n";
const std::string Good = "u1,s,2026-01-01T10:00:00.000Z,2026-01-01T10:00:00.000Z,,reaction,";

INSTANTIATE_TEST_SUITE_P(
    Cases, LongCsvRefusesTest,
    ::testing::Values(
        BadCase{"Empty", "", "nijednu"},
        BadCase{"ForeignHeader", "Redni broj merenja,Vreme reakcije [ms]\r\n1,250\r\n", "Red 1"},
        BadCase{"ShortLine", std::string(Header) + "u1,s\r\n", "Red 2"},
        BadCase{"NotANumber",
                std::string(Header) + Good + "measured,0,abc,2026-01-01T10:00:00.000Z,,,\r\n",
                "Red 2"},
        BadCase{"UnknownRowKind",
                std::string(Header) + Good + "guessed,0,250,2026-01-01T10:00:00.000Z,,,\r\n",
                "Red 2"},
        BadCase{"UnknownOnset",
                std::string(HeaderWithOnset) + Good +
                    "measured,0,250,2026-01-01T10:00:00.000Z,,,,guessed,1\r\n",
                "Red 2"},
        BadCase{"OpenQuote", std::string(Header) + "\"u1,s", "navodnik"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
