// clock-emulator: plays a member's clock on a pseudo-terminal, for tests and for training.
//
//   clock-emulator --state STATE.json --link PATH [options]
//
// The program under test (or in training) opens PATH as its serial port. See --help and the
// README's "Clock emulator" section.

#include <poll.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "clock_device.h"
#include "clock_state.h"
#include "fault_plan.h"
#include "frames.h"
#include "pty_link.h"
#include "wire_log.h"

using namespace emulator;

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int number) {
    const char byte = static_cast<char>(number);
    const int saved = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

bool CatchSignals() {
    if (pipe(signalPipe) != 0) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int number : {SIGTERM, SIGINT, SIGUSR1, SIGUSR2, SIGHUP}) {
        sigaction(number, &action, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
    return true;
}

struct Options {
    QStringList statePaths;
    QString linkPath;
    QString logPath;
    bool pace = false;
    int baud = 9600;
    QList<Fault> faults;
    std::optional<quint32> seed;
};

QString Describe(const ClockState& clock) {
    return QStringLiteral("%1 (owner \"%2\", %3)")
        .arg(QString::fromLatin1(clock.deviceIdText()), QString::fromLatin1(clock.owner()),
             clock.path());
}

int Usage(QCommandLineParser& parser, const QString& message) {
    fprintf(stderr, "clock-emulator: %s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    return 2;
}

class Emulator {
  public:
    Emulator(const Options& options, std::vector<ClockState>& clocks, PtyLink& link, WireLog& log)
        : options_(options),
          clocks_(clocks),
          link_(link),
          log_(log),
          random_(options.seed ? QRandomGenerator(*options.seed)
                               : QRandomGenerator(QRandomGenerator::system()->generate())) {
        for (ClockState& clock : clocks_) {
            devices_.push_back(std::make_unique<ClockDevice>(
                clock, [this] { return static_cast<uint8_t>(random_.bounded(256)); }));
        }
    }

    int64_t byteNs() const { return 10LL * 1000000000 / options_.baud; }  // 8N1: 10 bits

    void serve() {
        FrameReader reader;
        bool running = true;
        while (running) {
            pollfd waits[2] = {{link_.fd(), POLLIN, 0}, {signalPipe[0], POLLIN, 0}};
            const int timeout = reader.hasPartial() ? 100 : 1000;
            if (poll(waits, 2, timeout) < 0 && errno != EINTR) {
                log_.line(QStringLiteral("poll failed: %1").arg(strerror(errno)));
                return;
            }
            if (waits[1].revents & POLLIN) {
                char number = 0;
                if (::read(signalPipe[0], &number, 1) == 1) {
                    running = onSignal(number);
                }
            }
            if (waits[0].revents & POLLIN) {
                reader.feed(link_.readAvailable(), MonotonicNs());
                for (;;) {
                    const int64_t startNs = reader.frameStartNs();
                    const auto request = reader.next();
                    if (!request) {
                        break;
                    }
                    answer(*request, startNs);
                }
            }
            reader.dropStale(MonotonicNs(), 500LL * 1000000);
            const QByteArray dropped = reader.takeDropped();
            if (!dropped.isEmpty()) {
                log_.dropped(dropped);
            }
        }
    }

  private:
    bool onSignal(char number) {
        switch (number) {
            case SIGUSR1:
                present_ = !present_;
                log_.line(present_ ? "the clock is on the antenna again"
                                   : "the clock is taken off the antenna: no replies");
                return true;
            case SIGUSR2:
                current_ = (current_ + 1) % clocks_.size();
                present_ = true;
                log_.line("clock " + Describe(clocks_[current_]) + " is on the antenna now");
                return true;
            case SIGHUP:
                for (ClockState& clock : clocks_) {
                    QString error;
                    ClockState reloaded;
                    if (reloaded.load(clock.path(), &error)) {
                        clock = reloaded;
                        log_.line("state reloaded from " + clock.path());
                    } else {
                        log_.line("state NOT reloaded: " + error);
                    }
                }
                return true;
            default:
                log_.line(QStringLiteral("stopped by signal %1").arg(static_cast<int>(number)));
                return false;
        }
    }

    void answer(const Request& request, int64_t startNs) {
        const int number = ++requests_;
        if (options_.pace) {
            // The last byte reaches a clock only after the whole frame has crossed the line.
            SleepUntilNs(startNs + request.raw.size() * byteNs());
        }
        log_.request(number, request);
        if (!present_) {
            log_.line(QStringLiteral("#%1 no clock on the antenna: no reply").arg(number));
            return;
        }
        const RequestFaults faults = FaultsFor(options_.faults, number);
        QStringList faultNotes;
        for (const QString& fault : faults.applied) {
            faultNotes << "fault " + fault;
        }
        if (faults.noReply) {
            log_.line(QStringLiteral("#%1 no reply (%2)").arg(number).arg(faultNotes.join(", ")));
            return;
        }
        Answer answer;
        if (faults.status > 0) {
            answer.status = static_cast<uint8_t>(faults.status);
        } else if (faults.error > 0 && request.command == kJsonCall && request.fcsOk) {
            answer.data = QStringLiteral("{\"error\":%1,\"message\":\"injected fault\"}")
                              .arg(faults.error)
                              .toUtf8();
        } else {
            if (faults.badProof && request.command == kComVerify) {
                devices_[current_]->spoilNextProof();
            }
            answer = devices_[current_]->handle(request);
        }
        if (answer.stateChanged) {
            QString error;
            if (!clocks_[current_].save(&error)) {
                answer.notes << "STATE NOT SAVED: " + error;
            }
        }
        QByteArray frame = ReplyFrame(request.cls, request.command, answer.status,
                                      PaddedReplyData(answer.status, answer.data));
        if (faults.badFcs) {
            frame[frame.size() - 1] = static_cast<char>(frame[frame.size() - 1] ^ 0xFF);
        }
        log_.reply(number, frame, faultNotes + answer.notes);
        send(frame, faults);
    }

    void send(const QByteArray& frame, const RequestFaults& faults) {
        if (faults.delayMs > 0) {
            SleepUntilNs(MonotonicNs() + faults.delayMs * 1000000LL);
        }
        const qsizetype split =
            faults.splitMs >= 0 ? std::max<qsizetype>(1, frame.size() / 2) : frame.size();
        const int64_t gapNs = std::max(0, faults.splitMs) * 1000000LL;
        bool ok = true;
        if (options_.pace) {
            const int64_t startNs = MonotonicNs();
            for (qsizetype k = 0; k < frame.size() && ok; ++k) {
                SleepUntilNs(startNs + (k + 1) * byteNs() + (k >= split ? gapNs : 0));
                ok = link_.writeAll(frame.mid(k, 1));
            }
        } else {
            ok = link_.writeAll(frame.left(split));
            if (ok && split < frame.size()) {
                SleepUntilNs(MonotonicNs() + gapNs);
                ok = link_.writeAll(frame.mid(split));
            }
        }
        if (!ok) {
            log_.line("the reply could not be written: nobody reads the line");
        }
    }

    const Options& options_;
    std::vector<ClockState>& clocks_;
    PtyLink& link_;
    WireLog& log_;
    QRandomGenerator random_;
    std::vector<std::unique_ptr<ClockDevice>> devices_;
    size_t current_ = 0;
    int requests_ = 0;
    bool present_ = true;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("clock-emulator");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Plays a member's clock on a pseudo-terminal. The program opens --link PATH as its "
        "serial port. With several --state files, the first clock is on the antenna and SIGUSR2 "
        "puts the next one there. SIGUSR1 takes the clock off the antenna (no replies) and puts "
        "it back; SIGHUP reads the state files again; SIGTERM or SIGINT stop.");
    parser.addHelpOption();
    parser.addOptions({
        {"state",
         "The clock's state file (JSON); what the host writes is saved back to it. Give it "
         "once per clock to have several clocks take turns on the antenna (SIGUSR2).",
         "FILE"},
        {"link", "Symbolic link to make to the pseudo-terminal; the program's serial port.",
         "PATH"},
        {"log", "Append the log of every request and reply to FILE instead of stderr.", "FILE"},
        {"pace", "Pace both directions at the line's real speed (--baud, 10 bits a byte)."},
        {"baud", "Line speed for --pace (default 9600).", "N", "9600"},
        {"delay", "Start every reply MS milliseconds late (same as --fault delay=MS:all).", "MS"},
        {"split", "Send every reply in two halves MS milliseconds apart (split=MS:all).", "MS"},
        {"fault",
         "Inject a fault, KIND[=VALUE][:COUNT][@FIRST]; KIND is no-reply, bad-fcs, status[=N], "
         "error[=N], bad-proof, delay=MS or split=MS; COUNT requests (default 1, or all) "
         "from request number FIRST (default 1). May be given more than once.",
         "FAULT"},
        {"seed", "Seed for the clock's random bytes (repeatable logs).", "N"},
    });
    parser.process(app);

    Options options;
    options.statePaths = parser.values("state");
    options.linkPath = parser.value("link");
    options.logPath = parser.value("log");
    options.pace = parser.isSet("pace");
    bool ok = true;
    options.baud = parser.value("baud").toInt(&ok);
    if (options.statePaths.isEmpty() || options.linkPath.isEmpty()) {
        return Usage(parser, "--state and --link are required");
    }
    if (!ok || options.baud < 300) {
        return Usage(parser, "--baud needs a speed of at least 300");
    }
    QStringList faultOptions = parser.values("fault");
    for (const char* timing : {"delay", "split"}) {
        if (parser.isSet(timing)) {
            faultOptions << QStringLiteral("%1=%2:all").arg(timing, parser.value(timing));
        }
    }
    for (const QString& option : faultOptions) {
        QString error;
        const auto fault = ParseFault(option, &error);
        if (!fault) {
            return Usage(parser, error);
        }
        options.faults << *fault;
    }
    if (parser.isSet("seed")) {
        options.seed = parser.value("seed").toUInt(&ok);
        if (!ok) {
            return Usage(parser, "--seed needs a whole number");
        }
    }

    WireLog log;
    QString error;
    if (!log.open(options.logPath, &error)) {
        fprintf(stderr, "clock-emulator: %s\n", qPrintable(error));
        return 2;
    }
    std::vector<ClockState> clocks(options.statePaths.size());
    for (qsizetype i = 0; i < options.statePaths.size(); ++i) {
        if (!clocks[i].load(options.statePaths[i], &error)) {
            fprintf(stderr, "clock-emulator: %s\n", qPrintable(error));
            return 2;
        }
    }
    if (!CatchSignals()) {
        fprintf(stderr, "clock-emulator: cannot catch signals\n");
        return 1;
    }
    PtyLink link;
    if (!link.open(options.linkPath, &error)) {
        fprintf(stderr, "clock-emulator: %s\n", qPrintable(error));
        return 1;
    }
    log.line(QStringLiteral("line %1 -> %2%3")
                 .arg(options.linkPath, link.slavePath(),
                      options.pace ? QStringLiteral(", paced at %1 baud").arg(options.baud)
                                   : QString()));
    for (size_t i = 0; i < clocks.size(); ++i) {
        log.line(QStringLiteral("clock %1%2")
                     .arg(Describe(clocks[i]), i == 0 ? " is on the antenna" : " waits"));
    }
    for (const Fault& fault : options.faults) {
        log.line("fault planned: " + fault.text);
    }
    printf("%s\n", qPrintable(options.linkPath));
    fflush(stdout);

    Emulator emulator(options, clocks, link, log);
    emulator.serve();
    return 0;
}
