#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "clock_state.h"
#include "frames.h"

// The clock's side of the conversation: answers one request frame from the state.
namespace emulator {

// Status bytes of a refused request (0 is success).
enum Status : uint8_t {
    kStatusOk = 0x00,
    kStatusBadFcs = 0x01,
    kStatusUnknownCommand = 0x02,
    kStatusBadPayload = 0x03,
    kStatusNotVerified = 0x04,
    kStatusBadAuthentication = 0x05,
};

// Values of the "error" member of a JSON reply (0 is success).
enum JsonError {
    kErrorBadRequest = 1,
    kErrorUnknownMethod = 2,
    kErrorNotFound = 3,
    kErrorReplyTooLong = 4,
};

struct Answer {
    uint8_t status = kStatusOk;
    QByteArray data;
    QStringList notes;  // what the clock made of the request, for the log
    bool stateChanged = false;
};

class ClockDevice {
  public:
    // random gives the clock's random bytes (the device random of ComVerify).
    ClockDevice(ClockState& state, std::function<uint8_t()> random);

    Answer handle(const Request& request);

    // Fault: the next ComVerify answers with a proof that is wrong in one bit.
    void spoilNextProof() { spoilProof_ = true; }

    static QString commandName(uint8_t command);

  private:
    Answer readDeviceId();
    Answer comVerify(const QByteArray& payload);
    Answer deviceInit(const QByteArray& payload);
    Answer sendText(const QByteArray& payload);
    Answer jsonCall(const QByteArray& payload);
    QJsonObject method(const QJsonObject& request, Answer& answer);
    QJsonObject info(ClockState::Kind kind, const QJsonObject& entry, const QJsonValue& fields,
                     Answer& answer) const;
    QJsonObject query(ClockState::Kind kind, const QString& filter, Answer& answer);

    ClockState& state_;
    std::function<uint8_t()> random_;
    bool spoilProof_ = false;
    // The session of the last ComVerify.
    QByteArray hostRandom_;
    QByteArray deviceRandom_;
    QByteArray connectionKey_;
    // Entries chosen by the last queryPigeon / queryRace, read by index afterwards.
    // Kept as keys, so that a later save or delete cannot shift what an index names.
    QStringList selection_[2];
    bool queried_[2] = {false, false};
};

}  // namespace emulator
