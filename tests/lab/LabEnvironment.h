#pragma once

#include "LabServer.h"

#include <gtest/gtest.h>
#include <memory>

// Starts the server before the first test and stops it after the last, also when tests fail.
struct LabEnvironment : ::testing::Environment {
    static TLabServer* server;
    std::unique_ptr<TLabServer> owned;

    void SetUp() override {
        owned = std::make_unique<TLabServer>();
        server = owned.get();
    }
    void TearDown() override {
        server = nullptr;
        owned.reset();
    }
};
