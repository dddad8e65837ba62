#include "clock_session.h"

#include <QDir>
#include <QFileInfo>

#include "data/clock.h"
#include "data/date_time.h"
#include "data/progress.h"
#include "data/prompts.h"
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
    changed();
}

void ClockMemo::hide() {
    visible_ = false;
    changed();
}

void ClockMemo::showProgress(const QString& text) {
    lines_ = QStringList{text};
    colour_ = Colour::Yellow;
    visible_ = true;
    changed();
}

void ClockMemo::errorLine(const QString& text) {
    lines_ << text;
    colour_ = Colour::Red;
    visible_ = true;
    changed();
}

void ClockMemo::showSuccess(const QString& text) {
    lines_ = QStringList{text};
    colour_ = Colour::Lime;
    visible_ = true;
    changed();
}

void ClockMemo::appendSuccess(const QString& text) {
    lines_ << text;
    colour_ = Colour::Lime;
    visible_ = true;
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

void ClockRun::checkpoint() const {
    if (progress.stopRequested()) {
        throw RunStopped{};
    }
}

void ClockRun::errorLine(const QString& text) {
    memo.errorLine(text);
    log.line(QStringLiteral("ERROR ") + text);
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
    QString identity;
    if (!run.api.ReadDeviceId(session.clockId, identity)) {
        return Connected::NoClock;
    }
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
            run.errorLine(kConnectClockText);
            return RunResult::NoClock;
        case Connected::SameClock:
            return RunResult::SameClock;
        case Connected::VerifyFailed:
            run.errorLine(verifyErrorLine);
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
