#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "data/app_context.h"
#include "scripted_prompts.h"
#include "test_server.h"

// A fresh club database in a temporary folder ("<tmp>/data/Kestrava_Europe.db", backups in
// "<tmp>/Backup"), scripted prompts and a fixed clock at 2026-06-15 10:00:00. With a test server
// named (test_server.h), the database is a new one on the server instead of the file.
struct TestContext {
    QTemporaryDir root;
    DataPaths paths;
    std::unique_ptr<TestServerDatabase> server;
    std::unique_ptr<TdmZOLF> db;
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 6, 15), QTime(10, 0))};
    std::unique_ptr<AppContext> ctx;

    TestContext() {
        QDir(root.path()).mkpath(QStringLiteral("data"));
        paths = DataPaths::forDataDir(root.path() + QStringLiteral("/data"));
        if (TestsOnServer()) {
            server = std::make_unique<TestServerDatabase>();
            db = std::make_unique<TdmZOLF>(server->url());
        } else {
            db = std::make_unique<TdmZOLF>(paths.databaseFile);
        }
        ctx.reset(new AppContext{*db, prompts, clock, paths, QStringLiteral("/dev/null")});
    }
    AppContext& app() { return *ctx; }
};
