#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Faults and timing the emulator applies to chosen requests, written KIND[=VALUE][:COUNT][@FIRST]:
//   no-reply        the clock stays silent (the request is not carried out)
//   bad-fcs         the reply's check byte is wrong (the request IS carried out)
//   status[=N]      the reply has status N (default 127); the request is not carried out
//   error[=N]       a JSON call is answered {"error":N,...} (default 9), not carried out
//   bad-proof       ComVerify answers with a proof that is wrong in one bit
//   delay=MS        the reply starts MS milliseconds late
//   split=MS        the reply comes in two halves with a gap of MS milliseconds
// COUNT is how many requests (default 1, "all" for every one); FIRST is the number of the
// first request it hits, counting the emulator's requests from 1 (default 1).
namespace emulator {

enum class FaultKind { kNoReply, kBadFcs, kStatus, kError, kBadProof, kDelay, kSplit };

struct Fault {
    FaultKind kind = FaultKind::kNoReply;
    int value = 0;
    int first = 1;
    int count = 1;  // -1: every request from first on
    QString text;
    bool hits(int request) const {
        return request >= first && (count < 0 || request < first + count);
    }
};

std::optional<Fault> ParseFault(const QString& option, QString* error);

// What applies to one request.
struct RequestFaults {
    bool noReply = false;
    bool badFcs = false;
    int status = -1;
    int error = -1;
    bool badProof = false;
    int delayMs = 0;
    int splitMs = -1;
    QStringList applied;
};

RequestFaults FaultsFor(const QList<Fault>& faults, int request);

}  // namespace emulator
