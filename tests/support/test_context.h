#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "data/app_context.h"
#include "scripted_prompts.h"

// A fresh club database in a temporary folder ("<tmp>/data/Kestrava_Europe.db", backups in
// "<tmp>/Backup"), scripted prompts and a fixed clock at 2026-06-15 10:00:00.
struct TestContext {
    QTemporaryDir root;
    DataPaths paths;
    std::unique_ptr<TdmZOLF> db;
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 6, 15), QTime(10, 0))};
    std::unique_ptr<AppContext> ctx;

    TestContext() {
        QDir(root.path()).mkpath(QStringLiteral("data"));
        paths = DataPaths::forDataDir(root.path() + QStringLiteral("/data"));
        db = std::make_unique<TdmZOLF>(paths.databaseFile);
        ctx.reset(new AppContext{*db, prompts, clock, paths, QStringLiteral("/dev/null")});
    }
    AppContext& app() { return *ctx; }
};
