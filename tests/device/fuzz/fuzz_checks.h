#pragma once

// Checks run on arbitrary bytes, shared by the seeded robustness test and the libFuzzer
// targets. Each returns an empty text when every property holds, otherwise what went wrong.

#include <QByteArray>
#include <QString>

// FromText must not crash or hang; what it accepts must write out as text that parses back to
// the same text.
QString CheckJsonInput(const QByteArray& bytes);

// The bytes, cut into pieces by a pattern taken from their first byte, go through reply
// reassembly and through a whole exchange over an in-memory port: no crash, no hang, a
// recognised reply is exactly one announced frame, and the exchange ends within its time limits
// with one of its known outcomes.
QString CheckReplyInput(const QByteArray& bytes);
