// A station's window: its results reach the server, the status bar says what waits, and the
// sessions page lists every station's sessions from the server.
#include "FormFixture.h"
#include "LabFixture.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>

namespace {

struct LabWindow : FormFixture {
    LabCase lab; // the database of this case and the station's local store
    std::unique_ptr<store::TSessionKeeper> keeper;
    std::unique_ptr<store::TUploader> uploader;

    void SetUp() override {
        FormFixture::SetUp();
        fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, 2400);
        fakes.settings.SetValue(platform::SettingKeys::Station, QStringLiteral("lab-1"));
        keeper = std::make_unique<store::TSessionKeeper>(lab.LocalOpener());
        uploader =
            std::make_unique<store::TUploader>(lab.Address(), [this] { return keeper->Store(); });
        form->KeepSessionsIn(*keeper);
        form->SendSessionsTo(*uploader);
    }
    void TearDown() override {
        form.reset();
        FormFixture::TearDown();
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
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju i šalju na server"));
    EXPECT_EQ(
        lab.Sql(QStringLiteral("SELECT string_agg(ms::text, ' ' ORDER BY position) FROM rows")),
        QStringLiteral("250 300"));

    lab.server.Stop();
    Trial(350);
    Trial(400);
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju; 2 čeka slanje na server"));
    EXPECT_EQ(errors.size(), 1) << "one message when the server goes away";

    lab.server.Start();
    form->RetryStore(); // the half-minute timer
    EXPECT_EQ(Status(), QStringLiteral("Rezultati se čuvaju i šalju na server"));
    EXPECT_EQ(
        lab.Sql(QStringLiteral("SELECT string_agg(ms::text, ' ' ORDER BY position) FROM rows")),
        QStringLiteral("250 300 350 400"));
}

TEST_F(LabWindow, TheSessionsPageListsEveryStationAndLeavesTheOthersAlone) {
    Trial(250);
    // Another station's session, and one of a kind of a later version, straight on the server.
    store::Session other = LabCase::NewSession(QStringLiteral("lab-2"), 3);
    uploader->Server()->Upload(other.header, {}, other.rows, 0);
    lab.Sql(QStringLiteral("INSERT INTO sessions (uid, kind, station, started, ended) VALUES "
                           "('later', 'hologram', 'lab-3', now(), now())"));
    form->RefreshSessionsList();
    QStringList stations = ListedStations();
    stations.sort();
    EXPECT_EQ(stations, (QStringList{QStringLiteral("lab-1"), QStringLiteral("lab-2")}));

    // The export with nothing chosen takes every station's sessions.
    const QString csv = lab.folder.filePath(QStringLiteral("sesije.csv"));
    fakes.files.saveAnswer = platform::FileAnswer{csv, 0};
    form->ExportSessionsClick();
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.contains(other.header.uid.toUtf8()));
    EXPECT_TRUE(text.contains(form->CurrentSession().header.uid.toUtf8()));

    // Deleting everything deletes this station's sessions only.
    answer = true;
    form->SessionsGrid->selectAll();
    form->DeleteSessionClick();
    form->RefreshSessionsList();
    EXPECT_EQ(ListedStations(), QStringList{QStringLiteral("lab-2")});
    EXPECT_EQ(
        lab.Sql(
            QStringLiteral("SELECT count(*) FROM rows WHERE session = '%1'").arg(other.header.uid)),
        QStringLiteral("3"));
}

} // namespace
