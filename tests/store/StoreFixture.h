#pragma once

#include "ResultsStore.h"
#include "Session.h"
#include "StoreFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// A store in a temporary folder of its own.
struct StoreFixture : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("results.sqlite"));

    static store::SessionRow Row(double trial, double ms,
                                 store::RowKind kind = store::RowKind::Measured) {
        store::SessionRow row;
        row.trial = trial;
        row.ms = ms;
        row.kind = kind;
        row.at = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000 + qint64(trial) * 1500, Qt::UTC);
        return row;
    }

    static store::Session SessionOf(std::initializer_list<double> times,
                                    const QString& participant = {}) {
        store::Session s;
        s.header = store::NewSessionHeader(store::SessionKind::Reaction, QStringLiteral("lab-1"),
                                           participant);
        // Whole milliseconds, as the store keeps them, so that a read-back compares equal.
        s.header.started =
            QDateTime::fromMSecsSinceEpoch(s.header.started.toMSecsSinceEpoch(), Qt::UTC);
        s.header.ended = s.header.started;
        int trial = 0;
        for (const double ms : times)
            s.rows.push_back(Row(trial++, ms));
        return s;
    }

    std::unique_ptr<store::TResultsStore> Open() { return store::OpenStoreFile(path).store; }
};
