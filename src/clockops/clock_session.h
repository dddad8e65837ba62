#pragma once

// What the three clock workflows share: the state of the clock operation screen (the clock on
// the antenna, the chosen race, the stop times of the result upload), the message memo of a
// tab, the race-day log, and the run object that carries the device, the database, the
// prompts, the clock and the progress sink into a workflow.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TWinApiV8;
class TdmZOLF;
class Prompts;
class Clock;
class Progress;

// The race chosen on the marked or result upload tab.
struct RaceChoice {
    QString liberCode;
    QString raceDateText;  // the liberation date as stored, "yyyy-MM-dd"
    QString raceCode;      // liberation code and "mmdd"
    QString clubId;
};

// One arrival read from a clock for the chosen race.
struct PScoreR {
    QString ringNo;
    QString markCode;  // marking random code, upper-case hexadecimal, at least 2 digits
    QString gpsValid;
    int backOrder = 0;
    QString backCode;  // arrival random code, same form
    QDateTime ringArrival;
    QString chipId;
    QDateTime chipArrival;
    QString lonText;
    QString latText;
    int markValue = 0;  // the marking code as a number
};

// The clock side of the screen's state: set by connecting, kept between runs.
struct ClockSession {
    QString clockId;
    QString loftNo;
    QByteArray connectionKey;
    QByteArray hostRandom;
    QByteArray deviceRandom;
    QString lastClock;  // the last handled clock; empty when the screen opens
    // The race-day log has said that no clock answers; said again once a clock has answered.
    bool idleLogged = false;
    // Result upload: the stop times of this run's clock (day counts) and its variance.
    double clockStop = 0;
    double readerStop = 0;
    int variance = 0;
    bool haveStops = false;
    QList<PScoreR> arrivals;
};

// The message memo of one tab: its lines, each in its own colour, and its visibility. Every
// change is reported to the listener, which the screen points at the tab's memo widget.
class ClockMemo {
  public:
    enum class Colour { Plain, Yellow, Red, Lime };
    using Listener = std::function<void(const ClockMemo&)>;

    void setListener(Listener listener) { listener_ = std::move(listener); }

    // Empties the memo (its colour and visibility stay).
    void clear();
    void hide();
    // Clears the memo and shows the text as its one line, yellow.
    void showProgress(const QString& text);
    // Appends the line in red and shows the memo.
    void errorLine(const QString& text);
    // Replaces every line with the text, lime green, shown.
    void showSuccess(const QString& text);
    // Appends the line in lime green and shows the memo.
    void appendSuccess(const QString& text);
    // Appends a passing remark, yellow, shown; restore() takes the memo back to how it was.
    void appendNote(const QString& text);
    void restore(const ClockMemo& before);

    const QStringList& lines() const { return lines_; }
    // The colour of each line, in the order of lines().
    const QList<Colour>& lineColours() const { return lineColours_; }
    QString text() const { return lines_.join(QLatin1Char('\n')); }
    // The memo's colour as a whole: red while any of its lines is red (a success after a
    // failure does not hide the failure), otherwise the colour of the last line written.
    Colour colour() const;
    bool visible() const { return visible_; }

  private:
    void changed();
    void append(const QString& text, Colour colour);
    QStringList lines_;
    QList<Colour> lineColours_;
    Colour colour_ = Colour::Plain;
    bool visible_ = false;
    Listener listener_;
};

// The race-day log: one plain UTF-8 text file per day in the Logs folder beside the data
// folder, one line per event: time, clock id, loft, workflow and what happened. An empty
// folder name turns the log off.
class RaceDayLog {
  public:
    RaceDayLog(const QString& logsDir, const Clock& clock);
    // The Logs folder for a data folder: beside it.
    static QString folderFor(const QString& dataDir);

    void setWorkflow(const QString& workflow) { workflow_ = workflow; }
    void setClock(const QString& clockId, const QString& loftNo) {
        clockId_ = clockId;
        loftNo_ = loftNo;
    }
    void line(const QString& text);
    // The file of today's log.
    QString fileName() const;

  private:
    QString dir_;
    const Clock& clock_;
    QString workflow_;
    QString clockId_;
    QString loftNo_;
};

// Thrown at a safe point between two device operations when the user (or a screen about to
// close) asked the run to stop.
struct RunStopped {};

// Ends a run in red with the line: the link failed (what the clock would have said is unknown),
// or what the run read could not be stored. The clock is not taken as handled, so it is read
// again at the next run.
struct RunFailed {
    QString line;
};

// Groups a run's database writes into commits at most a second apart, so that the database
// work hides under the wire instead of waiting for the disk after every statement. The run
// commits what it wrote at its safe points; what is not committed when the batch ends (the
// run failed in the middle of a write) is given up, never stored in part.
//
// Each transaction takes the file for writing when it begins, so that another program
// holding the file makes the run wait at the beginning of a transaction (and try again), not
// fail in the middle of its writes.
class WriteBatch {
  public:
    explicit WriteBatch(TdmZOLF& db);
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;
    // Whether the last commit is a second old or older.
    bool due() const;
    // Commits what is open and, with reopen, begins the next transaction. False when the
    // database refused the commit (the transaction stays open, to be committed again) or the
    // next transaction could not begin (tried again by the next commit); lastError() says why.
    bool commit(bool reopen = true);
    // Gives up what was written since the last commit (no next transaction is begun).
    void rollback();
    // Whether a transaction is open: what was written since the last commit is pending in it.
    bool open() const { return open_; }
    QString lastError() const { return lastError_; }
    // Whether the last refusal was the database being busy with another program.
    bool busy() const { return busy_; }

  private:
    bool begin();
    TdmZOLF& db_;
    bool open_ = false;
    bool busy_ = false;
    QString lastError_;
    qint64 lastCommitMs_ = 0;
};

// Everything one workflow run works with.
struct ClockRun {
    TWinApiV8& api;
    TdmZOLF& db;
    Prompts& prompts;
    const Clock& clock;
    Progress& progress;
    ClockMemo& memo;
    RaceDayLog& log;

    WriteBatch* batch = nullptr;  // set by the workflow for the length of its run
    // How long a commit is tried again while another program keeps the database busy.
    int commitPatienceMs = 60000;

    // A point between two device operations: commits what is due, and throws RunStopped when
    // a stop was asked for.
    void checkpoint() const;
    // Commits now (before the run waits for the user) and begins the next transaction. While
    // the database is busy the commit (or the next begin) is tried again, the memo saying so;
    // one that still fails throws RunFailed with the database's reason, and what was not
    // committed is given up (the clock is read again).
    void commit() const;
    // The same for the run's last writes (before it shows success): nothing is begun after.
    void commitLast() const;
    // Waits, as commit() does, until the run's batch has a transaction to write in.
    void waitForBatch() const;
    void errorLine(const QString& text);
    // A line already in the interface language (a port's refusal): shown as it is, and
    // written to the race-day log in English.
    void errorLine(const QString& shown, const QString& english);
    // Throws RunFailed with the line when the last device operation failed on the link.
    void endOnLinkFailure(const QString& line) const;
    // The line of a failed device operation: when the clock gave no text of its own (the line
    // ends with "Error : "), the link's reason is named (no answer, the port closed, ...).
    QString withLinkReason(const QString& line) const;
};

// Sets up the write batch of a run for its length.
class RunBatch {
  public:
    explicit RunBatch(ClockRun& run) : run_(run), batch_(run.db) { run_.batch = &batch_; }
    ~RunBatch() { run_.batch = nullptr; }

  private:
    ClockRun& run_;
    WriteBatch batch_;
};

// How the loft number is taken from the text the clock reports after its id.
enum class LoftFromIdentity {
    AfterUnderscore,  // synchronisation: the text after the first "_", or all of it
    WholeText,        // uploads
};
QString LoftNoFromIdentity(const QString& identity, LoftFromIdentity rule);

enum class Connected { NoClock, SameClock, VerifyFailed, Yes };

// What a workflow run came to: whether it reached a clock, and whether everything went through.
enum class RunResult { NoClock, SameClock, Failed, Succeeded };

// Runs a workflow's body with its write batch. A RunFailed ends it with the red line (and with
// beep the sound) as a failed run; what was written before is committed when it can be.
RunResult GuardedRun(ClockRun& run, bool beep, const std::function<RunResult()>& body);

extern const QString kConnectClockText;  // "Please connect to club antenna and clock."

// Reads the clock's identity, passes over the last handled clock, derives its key and verifies
// the connection. beforeVerify runs once the loft number is known, before the key exchange.
Connected ConnectClock(ClockRun& run, ClockSession& session, LoftFromIdentity rule,
                       const std::function<void()>& beforeVerify = {});

// ConnectClock with the ends every workflow answers alike: the line for no clock, silence for
// the same clock, the workflow's own line (and with beep the sound) for a failed verification.
// Returns the run's result when it ended there, nothing when the clock is connected.
std::optional<RunResult> ConnectOrEnd(ClockRun& run, ClockSession& session, LoftFromIdentity rule,
                                      const QString& verifyErrorLine, bool beep,
                                      const std::function<void()>& beforeVerify = {});

// A text written as an SQL string literal: in single quotes, quotes inside doubled. Only used
// for texts sent to a clock, which filters its lists with such literals.
QString QuotedText(const QString& text);

// Splits a clock's value text ("a%b%c%") into its values.
QStringList SplitValues(const QString& valueText);

// A device time (milliseconds since 1970 in UTC) as local time: whole seconds, and with
// withMs the milliseconds added.
QDateTime DeviceMsToLocal(qint64 ms, int biasMinutes, bool withMs);
