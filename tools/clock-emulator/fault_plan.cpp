#include "fault_plan.h"

#include <QRegularExpression>

namespace emulator {

std::optional<Fault> ParseFault(const QString& option, QString* error) {
    static const QRegularExpression form(
        R"(^(no-reply|bad-fcs|status|error|bad-proof|delay|split)(?:=(\d+))?(?::(\d+|all))?(?:@(\d+))?$)");
    const auto match = form.match(option.trimmed());
    if (!match.hasMatch()) {
        *error =
            QStringLiteral("fault \"%1\" not understood (KIND[=VALUE][:COUNT][@FIRST])").arg(option);
        return std::nullopt;
    }
    static const QStringList kinds{"no-reply",  "bad-fcs", "status", "error",
                                   "bad-proof", "delay",   "split"};
    Fault fault;
    fault.kind = static_cast<FaultKind>(kinds.indexOf(match.captured(1)));
    fault.text = option.trimmed();
    const bool hasValue = match.hasCaptured(2) && !match.captured(2).isEmpty();
    const bool needsValue = fault.kind == FaultKind::kDelay || fault.kind == FaultKind::kSplit;
    const bool takesValue =
        needsValue || fault.kind == FaultKind::kStatus || fault.kind == FaultKind::kError;
    if ((needsValue && !hasValue) || (!takesValue && hasValue)) {
        *error = QStringLiteral("fault \"%1\": %2 %3 a value")
                     .arg(option, match.captured(1), needsValue ? "needs" : "takes no");
        return std::nullopt;
    }
    fault.value =
        hasValue ? match.captured(2).toInt() : (fault.kind == FaultKind::kStatus ? 127 : 9);
    if (fault.kind == FaultKind::kStatus && (fault.value < 1 || fault.value > 255)) {
        *error = QStringLiteral("fault \"%1\": a status is 1 to 255").arg(option);
        return std::nullopt;
    }
    if (fault.kind == FaultKind::kError && fault.value == 0) {
        *error = QStringLiteral("fault \"%1\": error 0 is success").arg(option);
        return std::nullopt;
    }
    const QString count = match.captured(3);
    fault.count = count.isEmpty() ? 1 : count == "all" ? -1 : count.toInt();
    fault.first = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
    if (fault.count == 0 || fault.first == 0) {
        *error = QStringLiteral("fault \"%1\": COUNT and FIRST start at 1").arg(option);
        return std::nullopt;
    }
    return fault;
}

RequestFaults FaultsFor(const QList<Fault>& faults, int request) {
    RequestFaults result;
    for (const Fault& fault : faults) {
        if (!fault.hits(request)) {
            continue;
        }
        result.applied << fault.text;
        switch (fault.kind) {
            case FaultKind::kNoReply:
                result.noReply = true;
                break;
            case FaultKind::kBadFcs:
                result.badFcs = true;
                break;
            case FaultKind::kStatus:
                result.status = fault.value;
                break;
            case FaultKind::kError:
                result.error = fault.value;
                break;
            case FaultKind::kBadProof:
                result.badProof = true;
                break;
            case FaultKind::kDelay:
                result.delayMs += fault.value;
                break;
            case FaultKind::kSplit:
                result.splitMs = fault.value;
                break;
        }
    }
    return result;
}

}  // namespace emulator
