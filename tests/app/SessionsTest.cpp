// The sessions behind the results table: kept as they change, listed, reopened, deleted,
// exported and imported, and what happens when the store cannot be written.
#include "FileSystemHelpers.h"
#include "FormFixture.h"
#include "SpinEdit.h"
#include "StoreFile.h"

#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <random>

using store::SessionKind;

namespace {

struct Sessions : FormFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("results.sqlite"));
    std::unique_ptr<store::TSessionKeeper> keeper;

    void SetUp() override {
        FormFixture::SetUp();
        fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, 2400);
        Keep(path);
    }
    void TearDown() override {
        form.reset();
        FormFixture::TearDown();
    }

    void Keep(const QString& storePath) {
        keeper = std::make_unique<store::TSessionKeeper>(
            [storePath] { return store::OpenStoreFile(storePath); });
        form->KeepSessionsIn(*keeper);
    }

    // A new window on the same store, as after closing the program and starting it again.
    void Restart() {
        form.reset();
        keeper.reset();
        form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
        form->show();
        Keep(path);
    }

    void Trial(double ms) {
        form->ResetButtonClick();
        RunTrialWithResponseAfter(ms);
    }
    void Calibrate(int iterations) {
        form->SpinEditSleep->SetValue(1);
        form->SpinEditIter->SetValue(iterations);
        form->ButtonIzmeriClick();
    }

    std::vector<std::pair<double, double>> Table() const {
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < form->Series0.PointCount(); ++i)
            points.emplace_back(form->Series0.XValues().ValueAt(i),
                                form->Series0.YValues().ValueAt(i));
        return points;
    }

    // The sessions as a second reader of the file sees them.
    std::vector<store::SessionSummary> Listed() const {
        return store::OpenStoreFile(path).store->ListSessions();
    }

    std::vector<std::pair<double, double>> Stored(const QString& uid) const {
        const auto store = store::OpenStoreFile(path).store;
        std::vector<std::pair<double, double>> points;
        for (const auto& s : store->ListSessions())
            if (s.header.uid == uid)
                for (const auto& row : store->LoadSession(s.id).rows)
                    points.emplace_back(row.trial, row.ms);
        return points;
    }

    // The store's folder made read-only, as a user (not root) would find it; returns the folder.
    QString LockStoreFolder() {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        path = locked + QStringLiteral("/results.sqlite");
        return locked;
    }

    void SelectListed(int row) {
        form->RefreshSessionsList();
        form->SessionsGrid->clearSelection();
        form->SessionsGrid->selectRow(row);
    }

    void EditY(int record, double ms) {
        form->Series0DataSet.SetRecNo(record + 1);
        form->Series0DataSet.Edit();
        form->Series0DataSet.FieldByName("Y").SetAsFloat(ms);
        form->Series0DataSet.Post();
    }
};

// After each step of a random run through everything that changes the results, the store's
// current session holds exactly what the table shows.
TEST_F(Sessions, StoreHoldsWhatTheTableShowsAfterEveryStep) {
    const QString csv = dir.filePath(QStringLiteral("uvoz.csv"));
    WriteFile(csv, "Redni broj merenja,Vreme reakcije [ms]\r\n0,301\r\n1,302\r\n");
    fakes.files.openAnswer = platform::FileAnswer{csv, 0};
    std::mt19937 random(11);
    for (int step = 0; step < 80; ++step) {
        const int records = form->Series0DataSet.RecordCount();
        const int action = int(random() % 8);
        if (action == 0 || records == 0) {
            Trial(150 + double(random() % 300));
        } else if (action == 1) {
            EditY(int(random() % unsigned(records)), double(random() % 900));
        } else if (action == 2) {
            form->Series0DataSet.Insert();
            form->Series0DataSet.FieldByName("Y").SetAsFloat(123);
            form->Series0DataSet.Post();
        } else if (action == 3) {
            form->Series0DataSet.SetRecNo(int(random() % unsigned(records)) + 1);
            form->Series0DataSet.Delete();
        } else if (action == 4) {
            form->Button2Click();
        } else if (action == 5) {
            Calibrate(3);
        } else if (action == 6) {
            form->NewSessionClick();
        } else {
            form->RefreshSessionsList();
            if (form->SessionsGrid->rowCount() > 0) {
                SelectListed(int(random() % unsigned(form->SessionsGrid->rowCount())));
                form->OpenSessionClick();
            }
        }
        ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
        const store::Session& current = form->CurrentSession();
        if (current.header.uid.isEmpty())
            ASSERT_TRUE(Table().empty()) << "step " << step;
        else
            ASSERT_EQ(Stored(current.header.uid), Table())
                << "step " << step << " action " << action;
    }
}

TEST_F(Sessions, EarlierSessionIsListedAfterARestartAndOpensIntoTheTable) {
    for (const double ms : {200.0, 300.0, 250.0})
        Trial(ms);
    Restart();
    EXPECT_TRUE(Table().empty());
    SelectListed(0);
    ASSERT_EQ(form->SessionsGrid->rowCount(), 1);
    EXPECT_EQ(form->SessionsGrid->item(0, 4)->text(), QStringLiteral("3"));
    EXPECT_EQ(form->SessionsGrid->item(0, 5)->text(), QStringLiteral("250.0"));
    EXPECT_EQ(form->SessionsGrid->item(0, 3)->text(), QStringLiteral("merenje"));
    form->OpenSessionClick();
    EXPECT_EQ(Table(), (std::vector<std::pair<double, double>>{{0, 200}, {1, 300}, {2, 250}}));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet2);

    // A trial after opening starts a session of its own; the opened one stays as it was.
    Trial(180);
    EXPECT_EQ(Table(), (std::vector<std::pair<double, double>>{{0, 180}}));
    EXPECT_EQ(Listed().size(), 2u);
}

TEST_F(Sessions, CalibrationRunIsASessionOfItsOwnAndReopensIntoPage4) {
    Trial(200);
    Trial(220);
    Calibrate(5);
    EXPECT_EQ(questions.back(),
              "Kalibracija će zameniti rezultate merenja iz tabele; oni ostaju sačuvani u svojoj "
              "sesiji. Nastaviti?");
    const QString status = form->MainStatusText->text();
    const auto listed = Listed();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].header.kind, SessionKind::Calibration);
    EXPECT_EQ(listed[0].figures.count, 5);
    EXPECT_EQ(listed[1].figures.count, 2);
    EXPECT_EQ(Stored(listed[1].header.uid),
              (std::vector<std::pair<double, double>>{{0, 200}, {1, 220}}));

    const auto calibrationTable = Table();
    SelectListed(1);
    form->OpenSessionClick();
    form->SetStatusText({});
    SelectListed(0);
    form->OpenSessionClick();
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet4);
    EXPECT_EQ(Table(), calibrationTable);
    EXPECT_EQ(form->MainStatusText->text(), status);
    for (TChartSeries* s :
         {static_cast<TChartSeries*>(&form->Series1), static_cast<TChartSeries*>(&form->Series2),
          static_cast<TChartSeries*>(&form->SeriesQueryPerformance),
          static_cast<TChartSeries*>(&form->SeriesRDTSC),
          static_cast<TChartSeries*>(&form->Series3)})
        EXPECT_EQ(s->PointCount(), 5);
    EXPECT_EQ(form->Series2.YValues().ValueAt(0), 1);
}

TEST_F(Sessions, ExportedSessionsImportIntoAFreshStoreOnce) {
    Trial(200);
    form->NewSessionClick();
    Trial(300);
    Trial(310);
    const QString csv = dir.filePath(QStringLiteral("sesije.csv"));
    fakes.files.saveAnswer = platform::FileAnswer{csv, 0};
    form->RefreshSessionsList();
    form->ExportSessionsClick();
    const auto before = Listed();

    path = dir.filePath(QStringLiteral("fresh.sqlite"));
    Keep(path);
    fakes.files.openAnswer = platform::FileAnswer{csv, 0};
    form->ImportSessionsClick();
    form->ImportSessionsClick();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    const auto after = Listed();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].header, before[i].header);
        EXPECT_EQ(after[i].figures, before[i].figures);
    }
    EXPECT_TRUE(MemoLines().contains("Uvezeno sesija: 0 iz sesije.csv (već postoji: 2)"));
}

TEST_F(Sessions, DeletingAsksFirstAndTakesTheTableWithTheCurrentSession) {
    Trial(200);
    form->NewSessionClick();
    fakes.textInput.answer = QStringLiteral("P7");
    form->ParticipantClick();
    Trial(300);
    Trial(320);
    ASSERT_EQ(Listed().size(), 2u);
    EXPECT_EQ(Listed()[0].header.participant, QStringLiteral("P7"));

    SelectListed(0);
    answer = false;
    form->DeleteParticipantClick();
    EXPECT_EQ(Listed().size(), 2u);
    EXPECT_EQ(questions.back(), "Obrisati sve sesije učesnika \"P7\" (1)?");

    answer = true;
    form->DeleteParticipantClick();
    ASSERT_EQ(Listed().size(), 1u);
    EXPECT_TRUE(Table().empty());
    EXPECT_TRUE(form->CurrentSession().header.uid.isEmpty());
}

TEST_F(Sessions, UnwritableStoreKeepsMeasuringAndWritesOnceItWorks) {
    const QString locked = LockStoreFolder();
    {
        const WithoutPermissionOverride asUser;
        Keep(path);
        Trial(200);
        Trial(210);
    }
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(form->StoreStatusText->text(), QStringLiteral("Rezultati se ne čuvaju"));
    EXPECT_EQ(Table().size(), 2u);

    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    form->RetryStore();
    EXPECT_EQ(form->StoreStatusText->text(), QStringLiteral("Rezultati se čuvaju"));
    EXPECT_EQ(Stored(form->CurrentSession().header.uid), Table());
}

TEST_F(Sessions, ClosingWithRowsTheStoreCouldNotTakeAsksFirst) {
    LockStoreFolder();
    const WithoutPermissionOverride asUser;
    Keep(path);
    Trial(200);
    answer = false;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(questions.back().startsWith("Neki rezultati nisu upisani u bazu"));
}

} // namespace

namespace {

TEST_F(Sessions, SettingsNameTheStationOfTheNextSessionAndTheStoreOfTheNextStart) {
    fakes.settingsDialog.answer = platform::SettingsValues{QStringLiteral("Učionica 3"),
                                                           QStringLiteral("/srv/tavulin.sqlite")};
    form->SettingsClick();
    EXPECT_EQ(fakes.settings.Value(platform::SettingKeys::Database, {}),
              QStringLiteral("/srv/tavulin.sqlite"));
    Trial(250);
    EXPECT_EQ(Listed().at(0).header.station, QStringLiteral("Učionica 3"));

    // Cancelled, the dialog changes nothing.
    fakes.settingsDialog.answer.reset();
    form->SettingsClick();
    EXPECT_EQ(fakes.settings.Value(platform::SettingKeys::Station, {}),
              QStringLiteral("Učionica 3"));
}

} // namespace
