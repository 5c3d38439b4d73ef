// A station's window: its results reach the server, the status bar says what waits, and the
// sessions page lists every station's sessions from the server.
#include "FormFixture.h"
#include "LabFixture.h"

#include "DBGrid.h"
#include "ServerLink.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port that takes connections into its queue and never accepts or answers them.
class SilentListener {
public:
    SilentListener() : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), size) != 0 ||
            ::listen(fd_, 8) != 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &size))
            throw std::runtime_error("no loopback listener");
        port_ = ntohs(a.sin_port);
    }
    // Closing resets the connections still queued.
    ~SilentListener() { Close(); }
    void Close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    int Port() const { return port_; }
    bool HasQueuedConnection() const {
        pollfd p{fd_, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1;
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

struct LabWindow : FormFixture {
    LabCase lab; // the database of this case and the station's local store
    std::unique_ptr<store::TSessionKeeper> keeper;
    std::unique_ptr<store::TServerLink> link;

    void SetUp() override {
        FormFixture::SetUp();
        fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, 2400);
        fakes.settings.SetValue(platform::SettingKeys::Station, QStringLiteral("lab-1"));
        Connect(lab.Address());
    }
    void Connect(const store::ServerAddress& address) {
        keeper = std::make_unique<store::TSessionKeeper>(lab.LocalOpener());
        link = std::make_unique<store::TServerLink>(address);
        form->KeepSessionsIn(*keeper);
        form->SendSessionsTo(*link);
    }
    void TearDown() override {
        form.reset();
        link.reset();
        FormFixture::TearDown();
    }
    // The link's thread has answered everything asked of it: a round trip to the real server.
    void Settle() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !link->Busy(); }, 20000));
    }
    // Another station's session, straight on the server.
    store::Session OtherStationSession(int rows) {
        store::Session other = LabCase::NewSession(QStringLiteral("lab-2"), rows);
        store::TServerStore(lab.Address()).Upload(other.header, {}, other.rows, 0);
        return other;
    }
    QString ServerRowCount(const QString& uid) const {
        return lab.Sql(QStringLiteral("SELECT count(*) FROM rows WHERE session = '%1'").arg(uid));
    }
    void Trial(double ms) {
        form->ResetButtonClick();
        RunTrialWithResponseAfter(ms);
    }
    QString Status() const { return form->StoreStatusText->text(); }
    QStringList ListedStations() const {
        QStringList stations;
        for (int r = 0; r < form->SessionsGrid->rowCount(); ++r)
            stations << form->SessionsGrid->item(r, 1)->text();
        return stations;
    }
};

TEST_F(LabWindow, ResultsReachTheServerAndWaitWhileItIsAway) {
    Trial(250);
    Trial(300);
    Settle();
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju i šalju na server"));
    EXPECT_EQ(
        lab.Sql(QStringLiteral("SELECT string_agg(ms::text, ' ' ORDER BY position) FROM rows")),
        QStringLiteral("250 300"));

    lab.server.Stop();
    Trial(350);
    Trial(400);
    Settle();
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju; 2 čeka slanje na server"));
    EXPECT_EQ(errors.size(), 1) << "one message when the server goes away";

    lab.server.Start();
    form->RetryStore(); // the half-minute timer
    Settle();
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju i šalju na server"));
    EXPECT_EQ(
        lab.Sql(QStringLiteral("SELECT string_agg(ms::text, ' ' ORDER BY position) FROM rows")),
        QStringLiteral("250 300 350 400"));
}

TEST_F(LabWindow, TheSessionsPageListsEveryStationAndLeavesTheOthersAlone) {
    Trial(250);
    // Another station's session, and one of a kind of a later version, straight on the server.
    const store::Session other = OtherStationSession(3);
    lab.Sql(QStringLiteral("INSERT INTO sessions (uid, kind, station, started, ended) VALUES "
                           "('later', 'hologram', 'lab-3', now(), now())"));
    form->RefreshSessionsList();
    Settle();
    QStringList stations = ListedStations();
    stations.sort();
    EXPECT_EQ(stations, (QStringList{QStringLiteral("lab-1"), QStringLiteral("lab-2")}));

    // The export with nothing chosen takes every station's sessions.
    const QString csv = lab.folder.filePath(QStringLiteral("sesije.csv"));
    fakes.files.saveAnswer = platform::FileAnswer{csv, 0};
    form->ExportSessionsClick();
    Settle();
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.contains(other.header.uid.toUtf8()));
    EXPECT_TRUE(text.contains(form->CurrentSession().header.uid.toUtf8()));
    exported.close();

    // Another station's session chosen alone is exported alone.
    form->SessionsGrid->selectRow(int(ListedStations().indexOf(QStringLiteral("lab-2"))));
    form->ExportSessionsClick();
    Settle();
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray chosen = exported.readAll();
    EXPECT_TRUE(chosen.contains(other.header.uid.toUtf8()));
    EXPECT_FALSE(chosen.contains(form->CurrentSession().header.uid.toUtf8()));
    form->SessionsGrid->clearSelection();

    // Deleting everything deletes this station's sessions only.
    answer = true;
    form->SessionsGrid->selectAll();
    form->DeleteSessionClick();
    Settle();
    EXPECT_EQ(ListedStations(), QStringList{QStringLiteral("lab-2")});
    EXPECT_EQ(ServerRowCount(other.header.uid), QStringLiteral("3"));
}

TEST_F(LabWindow, AnotherStationsSessionIsFilteredByStationAndOpensReadOnly) {
    Trial(250);
    const store::Session other = OtherStationSession(3);
    form->RefreshSessionsList();
    Settle();
    QStringList choices;
    for (int i = 0; i < form->StationFilter->count(); ++i)
        choices << form->StationFilter->itemText(i);
    EXPECT_EQ(choices, (QStringList{QStringLiteral("Sve stanice"), QStringLiteral("lab-1"),
                                    QStringLiteral("lab-2")}));
    form->StationFilter->setCurrentIndex(2);
    ASSERT_EQ(ListedStations(), QStringList{QStringLiteral("lab-2")});

    form->SessionsGrid->selectRow(0);
    form->OpenSessionClick();
    Settle();
    ASSERT_TRUE(form->SessionReadOnly());
    EXPECT_EQ(form->CurrentSession().header.uid, other.header.uid);
    EXPECT_EQ(form->Series0.PointCount(), 3);
    EXPECT_TRUE(form->DBGrid1->ReadOnly());
    EXPECT_THAT(form->MainStatusText->text().toStdString(),
                ::testing::HasSubstr("samo za čitanje"));

    // Neither an edit key, a label nor a trial writes into it: the label and the trial go to
    // a new session of this station.
    form->DBGrid1->setFocus();
    QTest::keyClick(form->DBGrid1, Qt::Key_Insert);
    QTest::keyClick(form->DBGrid1, Qt::Key_5);
    fakes.textInput.answer = QStringLiteral("Ana");
    form->ParticipantClick();
    Trial(300);
    Settle();
    EXPECT_FALSE(form->SessionReadOnly());
    EXPECT_EQ(form->CurrentSession().header.station, QStringLiteral("lab-1"));
    EXPECT_EQ(form->CurrentSession().header.participant, QStringLiteral("Ana"));
    EXPECT_EQ(ServerRowCount(other.header.uid), QStringLiteral("3"));
    EXPECT_EQ(lab.Sql(QStringLiteral("SELECT participant FROM sessions WHERE uid = '%1'")
                          .arg(other.header.uid)),
              QString());
    EXPECT_EQ(lab.Sql(QStringLiteral("SELECT count(*) FROM sessions WHERE station = 'lab-1'")),
              QStringLiteral("2"));
}

// A server host that takes the connection and never answers: the window goes on at once,
// keeping each result locally, while the link's thread waits on the socket.
TEST_F(LabWindow, AServerThatNeverAnswersDoesNotHoldTheWindow) {
    SilentListener silent;
    store::ServerAddress address = lab.Address();
    address.host = QStringLiteral("127.0.0.1");
    address.port = silent.Port();
    form.reset();
    link.reset();
    keeper.reset();
    form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
    form->show();
    Connect(address);
    // The thread is inside the connection attempt: the server has it, unanswered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.HasQueuedConnection(); }, 20000));

    Trial(250);
    Trial(300);
    EXPECT_TRUE(link->Busy()) << "the trials did not wait for the server";
    EXPECT_EQ(form->Series0.PointCount(), 2);
    ASSERT_TRUE(keeper->Store());
    ASSERT_EQ(keeper->Store()->ListSessions().size(), 1u);
    EXPECT_EQ(keeper->Store()->ListSessions().front().figures.count, 2);
    EXPECT_EQ(keeper->Store()->OutboxSize(), 2);
    form->RefreshSessionsList();
    EXPECT_EQ(ListedStations(), QStringList{QStringLiteral("lab-1")});
    // Closing the listener resets the waiting connection, so the thread is not left to its
    // time-out when the window closes.
    silent.Close();
}

} // namespace
