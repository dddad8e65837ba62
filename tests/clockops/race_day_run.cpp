// One clock workflow run in a process of its own, for the crash test, which kills it at a
// random moment: race_day_run DATABASE PORT sync|mark|result. Exits 0 when the run succeeded.

#include <QCoreApplication>
#include <cstdio>

#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/progress.h"
#include "device/win_api_v8.h"
#include "scripted_prompts.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        return 2;
    }
    TdmZOLF db(args[1]);
    FixedClock clock(QDateTime(QDate(2016, 9, 20), QTime(6, 0)));
    clock.setBiasMinutes(-480);
    ScriptedPrompts prompts;
    NoProgress progress;
    ClockMemo memo;
    RaceDayLog log(QString(), clock);
    TWinApiV8 api(args[2]);
    api.setFirstByteWaitMs(400);
    ClockRun run{api, db, prompts, clock, progress, memo, log};
    ClockSession session;
    RunResult result = RunResult::Failed;
    if (args[3] == QLatin1String("sync")) {
        result = SyncClock(run, session);
    } else if (args[3] == QLatin1String("mark")) {
        result = UploadMarking(run, session, {"B23", "2016-09-20", "B230920", "0101"});
    } else {
        result = UploadResults(run, session, ChooseResultRace("B23 2016-09-20 BRX"));
    }
    // What the memo said, for the crash test's account of a failed attempt.
    fprintf(stderr, "%s\n", qPrintable(memo.text()));
    return result == RunResult::Succeeded ? 0 : 1;
}
