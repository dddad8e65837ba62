#include "clock_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QThread>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/progress.h"
#include "data/prompts.h"
#include "data/sql_dialect.h"
#include "device/win_api_v8.h"

const QString kConnectClockText = QStringLiteral("Please connect to club antenna and clock.");

// ---------------------------------------------------------------- memo

void ClockMemo::changed() {
    if (listener_) {
        listener_(*this);
    }
}

void ClockMemo::clear() {
    lines_.clear();
    lineColours_.clear();
    changed();
}

ClockMemo::Colour ClockMemo::colour() const {
    return lineColours_.contains(Colour::Red) ? Colour::Red : colour_;
}

void ClockMemo::append(const QString& text, Colour colour) {
    lines_ << text;
    lineColours_ << colour;
    colour_ = colour;
    visible_ = true;
    changed();
}

void ClockMemo::hide() {
    visible_ = false;
    changed();
}

void ClockMemo::showProgress(const QString& text) {
    lines_.clear();
    lineColours_.clear();
    append(text, Colour::Yellow);
}

void ClockMemo::errorLine(const QString& text) {
    append(text, Colour::Red);
}

void ClockMemo::showSuccess(const QString& text) {
    lines_.clear();
    lineColours_.clear();
    append(text, Colour::Lime);
}

void ClockMemo::appendSuccess(const QString& text) {
    append(text, Colour::Lime);
}

void ClockMemo::appendNote(const QString& text) {
    append(text, Colour::Yellow);
}

void ClockMemo::restore(const ClockMemo& before) {
    lines_ = before.lines_;
    lineColours_ = before.lineColours_;
    colour_ = before.colour_;
    visible_ = before.visible_;
    changed();
}

// ---------------------------------------------------------------- race-day log

RaceDayLog::RaceDayLog(const QString& logsDir, const Clock& clock) : dir_(logsDir), clock_(clock) {}

QString RaceDayLog::folderFor(const QString& dataDir) {
    QDir dir(dataDir);
    dir.cdUp();
    return dir.filePath(QStringLiteral("Logs"));
}

QString RaceDayLog::fileName() const {
    return QDir(dir_).filePath(QStringLiteral("race-day-%1.log").arg(DateText(clock_.today())));
}

void RaceDayLog::line(const QString& text) {
    if (dir_.isEmpty() || !QDir().mkpath(dir_)) {
        return;
    }
    QFile file(fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return;
    }
    const QString entry = QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                              .arg(MomentMsText(clock_.now()), clockId_, loftNo_, workflow_, text);
    file.write(entry.toUtf8());
}

// ---------------------------------------------------------------- run

WriteBatch::WriteBatch(TdmZOLF& db) : db_(db) {
    begin();
    lastCommitMs_ = QDateTime::currentMSecsSinceEpoch();
}

WriteBatch::~WriteBatch() {
    // Every way out of a run that keeps what it wrote commits it first; what is left is the
    // part of a run that failed in the middle (an arrival without its history row).
    if (open_) {
        db_.rollbackSteps();
    }
}

namespace {
// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file. (The driver does not
// always pass the code on with a failed commit; the message says it.)
bool BusyRefusal(const QSqlError& error, const QString& text) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6") ||
           code == QLatin1String("busy") || text.contains(QLatin1String("locked")) ||
           text.contains(QLatin1String("busy"));
}
}  // namespace

bool WriteBatch::begin() {
    QSqlError error;
    open_ = db_.beginSteps(&error);
    if (!open_) {
        lastError_ = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        busy_ = !db_.isServer() && BusyRefusal(error, lastError_);
    }
    return open_;
}

bool WriteBatch::due() const {
    return QDateTime::currentMSecsSinceEpoch() - lastCommitMs_ >= 1000;
}

bool WriteBatch::commit(bool reopen) {
    QSqlError error;
    if (open_ && !db_.commitSteps(&error)) {
        lastError_ = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        busy_ = BusyRefusal(error, lastError_);
        if (db_.isServer()) {
            // The memo and the log say why in the program's words, not the driver's (a lost
            // connection reads "server closed the connection unexpectedly ..."). The server
            // ends a transaction whose commit it refused: nothing is left to commit again.
            lastError_ = RefusalText(SqlEngine::Postgres, error);
            busy_ = false;
            open_ = false;
        }
        return false;
    }
    open_ = false;
    busy_ = false;
    lastCommitMs_ = QDateTime::currentMSecsSinceEpoch();
    return !reopen || begin();
}

void WriteBatch::rollback() {
    if (open_) {
        db_.rollbackSteps();
    }
    open_ = false;
    lastCommitMs_ = QDateTime::currentMSecsSinceEpoch();
}

namespace {

// Commits the run's batch (and with reopen begins the next transaction), waiting while
// another program keeps the database busy.
void Store(const ClockRun& run, bool reopen) {
    WriteBatch* batch = run.batch;
    if (batch == nullptr || batch->commit(reopen)) {
        return;
    }
    QElapsedTimer waited;
    waited.start();
    const ClockMemo before = run.memo;
    bool noted = false;
    while (batch->busy() && waited.elapsed() < run.commitPatienceMs &&
           !run.progress.stopRequested()) {
        if (!noted) {
            run.memo.appendNote(
                batch->open()
                    ? QStringLiteral("Database busy (another program is using it) : waiting to "
                                     "store what was read, Pls Wait !")
                    : QStringLiteral("Database busy (another program is using it) : waiting "
                                     "for it, Pls Wait !"));
            run.log.line(QStringLiteral("database busy, waiting: ") + batch->lastError());
            noted = true;
        }
        QThread::msleep(200);
        if (batch->commit(reopen)) {
            run.memo.restore(before);
            run.log.line(QStringLiteral("database free after %1 ms").arg(waited.elapsed()));
            return;
        }
    }
    if (noted) {
        run.memo.restore(before);
    }
    const QString reason = batch->lastError();
    const bool pending = batch->open();
    batch->rollback();
    throw RunFailed{pending
                        ? QStringLiteral("Database Error : not stored, the clock is read "
                                         "again : ") +
                              reason
                        : QStringLiteral("Database Error : the clock is read again : ") + reason};
}

}  // namespace

void ClockRun::commit() const {
    Store(*this, true);
}

void ClockRun::commitLast() const {
    Store(*this, false);
}

void ClockRun::waitForBatch() const {
    if (batch != nullptr && !batch->open()) {
        Store(*this, true);
    }
}

void ClockRun::checkpoint() const {
    if (batch != nullptr && batch->due()) {
        commit();
    }
    if (progress.stopRequested()) {
        throw RunStopped{};
    }
}

void ClockRun::endOnLinkFailure(const QString& line) const {
    if (api.linkFailed()) {
        throw RunFailed{withLinkReason(line)};
    }
}

QString ClockRun::withLinkReason(const QString& line) const {
    if (!api.linkFailed() || !line.endsWith(QLatin1String("Error : "))) {
        return line;
    }
    return line + api.linkFailure();
}

RunResult GuardedRun(ClockRun& run, bool beep, const std::function<RunResult()>& body) {
    RunBatch batch(run);
    const auto failed = [&](const QString& line) {
        run.errorLine(line);
        if (beep) {
            run.prompts.beep();
        }
        return RunResult::Failed;
    };
    try {
        // A run writes only inside its batch: while another program holds the database, the
        // run waits for it here before it touches the clock.
        run.waitForBatch();
        const RunResult result = body();
        run.commitLast();
        return result;
    } catch (const RunFailed& failure) {
        run.errorLine(run.withLinkReason(failure.line));
        // What the run read before the failure is right: kept when the database takes it.
        try {
            run.commitLast();
        } catch (const RunFailed& notStored) {
            run.errorLine(notStored.line);
        }
        if (beep) {
            run.prompts.beep();
        }
        return RunResult::Failed;
    } catch (const DbError& e) {
        // A write the database refused (another program held it too long, a full disk): what
        // the batch holds since its last commit is given up whole, and the clock is read again
        // at the next tick.
        if (run.batch != nullptr) {
            run.batch->rollback();
        }
        return failed(QStringLiteral("Database Error : not stored, the clock is read again : ") +
                      e.text());
    }
}

void ClockRun::errorLine(const QString& text) {
    errorLine(text, text);
}

void ClockRun::errorLine(const QString& shown, const QString& english) {
    memo.errorLine(shown);
    log.line(QStringLiteral("ERROR ") + english);
}

QString LoftNoFromIdentity(const QString& identity, LoftFromIdentity rule) {
    if (rule == LoftFromIdentity::AfterUnderscore) {
        const qsizetype at = identity.indexOf(QLatin1Char('_'));
        return at < 0 ? identity : identity.mid(at + 1);
    }
    return identity;
}

Connected ConnectClock(ClockRun& run, ClockSession& session, LoftFromIdentity rule,
                       const std::function<void()>& beforeVerify) {
    session.clockId.clear();
    session.loftNo.clear();
    run.log.setClock({}, {});
    // A port that failed (the antenna unplugged) is opened again for every run until it opens.
    run.api.reopenIfClosed();
    QString identity;
    if (!run.api.ReadDeviceId(session.clockId, identity)) {
        return Connected::NoClock;
    }
    session.idleLogged = false;
    if (session.clockId == session.lastClock) {
        return Connected::SameClock;
    }
    session.loftNo = LoftNoFromIdentity(identity, rule);
    run.log.setClock(session.clockId, session.loftNo);
    run.log.line(QStringLiteral("connected, identity \"%1\"").arg(identity));
    if (beforeVerify) {
        beforeVerify();
    }
    run.checkpoint();
    const QString keyText = TWinApiV8::DiverseKey(session.clockId);
    QByteArray key;
    if (!run.api.ComVerify(session.clockId, keyText, session.deviceRandom, session.hostRandom,
                           key)) {
        return Connected::VerifyFailed;
    }
    session.connectionKey = key;
    return Connected::Yes;
}

std::optional<RunResult> ConnectOrEnd(ClockRun& run, ClockSession& session, LoftFromIdentity rule,
                                      const QString& verifyErrorLine, bool beep,
                                      const std::function<void()>& beforeVerify) {
    switch (ConnectClock(run, session, rule, beforeVerify)) {
        case Connected::NoClock:
            // The log says it once for a stretch of ticks without a clock, not every 5 s.
            run.memo.errorLine(kConnectClockText);
            if (!session.idleLogged) {
                run.log.line(QStringLiteral("ERROR ") + kConnectClockText);
                session.idleLogged = true;
            }
            return RunResult::NoClock;
        case Connected::SameClock:
            return RunResult::SameClock;
        case Connected::VerifyFailed:
            run.errorLine(run.withLinkReason(verifyErrorLine));
            if (beep) {
                run.prompts.beep();
            }
            return RunResult::Failed;
        case Connected::Yes:
            break;
    }
    return std::nullopt;
}

QString QuotedText(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QStringList SplitValues(const QString& valueText) {
    return valueText.split(QLatin1Char('%'));
}

QDateTime DeviceMsToLocal(qint64 ms, int biasMinutes, bool withMs) {
    double days = UtcSecsToLocal(ms / 1000, biasMinutes);
    if (withMs) {
        days += double(ms % 1000) / 86400000.0;
    }
    return FromDayCount(days);
}
