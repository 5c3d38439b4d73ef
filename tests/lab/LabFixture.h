#pragma once

#include "LabEnvironment.h"
#include "ResultsStore.h"
#include "ServerStore.h"
#include "Session.h"
#include "SessionKeeper.h"
#include "StoreFile.h"
#include "Uploader.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Each case has a database of its own on the shared server, and a station's local store.
struct LabCase {
    TLabServer& server = *LabEnvironment::server;
    QString database;
    QTemporaryDir folder;
    QString localPath = folder.filePath(QStringLiteral("station.sqlite"));

    LabCase() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        database = QStringLiteral("%1_%2").arg(info->test_suite_name(), info->name()).toLower();
        database.replace(u'/', u'_');
        server.Start();
        server.Sql(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(database),
                   QStringLiteral("postgres"));
        server.Sql(QStringLiteral("CREATE DATABASE %1").arg(database), QStringLiteral("postgres"));
    }

    store::ServerAddress Address() const { return server.Address(database); }
    QString Sql(const QString& sql) const { return server.Sql(sql, database); }

    // A station's local store that keeps what the server has not yet taken.
    store::TSessionKeeper::Opener LocalOpener() const {
        return [path = localPath] {
            store::OpenedStore opened = store::OpenStoreFile(path);
            opened.store->KeepOutbox(true);
            return opened;
        };
    }

    static store::SessionRow Row(int trial, double ms) {
        store::SessionRow row;
        row.trial = trial;
        row.ms = ms;
        row.at = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000 + trial * 1500, Qt::UTC);
        return row;
    }

    static store::Session NewSession(const QString& station, int rows) {
        store::Session s;
        s.header = store::NewSessionHeader(store::SessionKind::Reaction, station, {});
        s.header.started =
            QDateTime::fromMSecsSinceEpoch(s.header.started.toMSecsSinceEpoch(), Qt::UTC);
        s.header.ended = s.header.started;
        for (int i = 0; i < rows; ++i)
            s.rows.push_back(Row(i, 200 + i));
        return s;
    }
};

struct LabFixture : ::testing::Test, LabCase {};

// A station as the window runs one: the keeper writes locally, the uploader sends after each
// change.
struct Station {
    store::TSessionKeeper keeper;
    store::TUploader uploader;
    std::vector<QString> notices;

    Station(store::TSessionKeeper::Opener open, const store::ServerAddress& address)
        : keeper(std::move(open)), uploader(address, [this] { return keeper.Store(); }) {
        uploader.OnNotice = [this](const store::StoreMessage& n) {
            notices.push_back(n.Serbian());
        };
    }
    void Keep(const store::Session& s) {
        keeper.Keep(s);
        uploader.Send();
    }
};
