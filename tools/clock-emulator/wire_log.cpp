#include "wire_log.h"

#include <QDateTime>
#include <QFile>

#include "clock_device.h"

namespace emulator {

namespace {

const QString kIndent = "             ";

// A payload as a person reads it: text where it is text, hexadecimal where it is not.
QString Printable(const QByteArray& bytes) {
    QString text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7F ? QChar(byte) : QChar('.');
    }
    return text;
}

QStringList DecodeRequest(const Request& request) {
    QStringList lines;
    QString head = ClockDevice::commandName(request.command);
    if (!request.fcsOk) {
        head += ", FCS DOES NOT MATCH";
    }
    lines << head;
    const QByteArray& payload = request.payload;
    switch (request.command) {
        case kJsonCall:
            if (payload.size() >= 4) {
                lines << QString::fromUtf8(payload.left(payload.size() - 4))
                      << "authentication code " +
                             QString::fromLatin1(payload.right(4).toHex(' ').toUpper());
            }
            break;
        case kComVerify:
            lines << "host random " + QString::fromLatin1(payload.toHex(' ').toUpper());
            break;
        case kDeviceInit:
            if (payload.size() >= 4) {
                lines << "\"" + Printable(payload.left(payload.size() - 4)) + "\"" +
                             " authentication code " +
                             QString::fromLatin1(payload.right(4).toHex(' ').toUpper());
            }
            break;
        case kSendText:
            lines << "\"" + QString::fromUtf8(payload) + "\"";
            break;
        default:
            if (!payload.isEmpty()) {
                lines << "\"" + Printable(payload) + "\"";
            }
    }
    return lines;
}

}  // namespace

bool WireLog::open(const QString& path, QString* error) {
    if (path.isEmpty()) {
        return true;
    }
    out_ = fopen(QFile::encodeName(path).constData(), "a");
    if (!out_) {
        out_ = stderr;
        *error = QStringLiteral("cannot write the log %1").arg(path);
        return false;
    }
    return true;
}

WireLog::~WireLog() {
    if (out_ != stderr) {
        fclose(out_);
    }
}

QString WireLog::hex(const QByteArray& bytes) {
    QStringList rows;
    for (qsizetype at = 0; at < bytes.size(); at += 32) {
        rows << QString::fromLatin1(bytes.mid(at, 32).toHex(' ').toUpper());
    }
    return rows.join("\n" + kIndent + "  ");
}

void WireLog::write(const QString& head, const QStringList& lines) {
    QString text = QDateTime::currentDateTime().toString("HH:mm:ss.zzz") + " " + head + "\n";
    for (const QString& line : lines) {
        text += kIndent + line + "\n";
    }
    fputs(text.toLocal8Bit().constData(), out_);
    fflush(out_);
}

void WireLog::line(const QString& text) {
    write(text, {});
}

void WireLog::request(int number, const Request& request) {
    write(QStringLiteral("#%1 host  > %2").arg(number).arg(hex(request.raw)),
          DecodeRequest(request));
}

void WireLog::reply(int number, const QByteArray& frame, const QStringList& notes) {
    QStringList lines = notes;
    if (frame.size() >= 6) {
        const QByteArray data = frame.mid(5, frame.size() - 6);
        QString decoded = QStringLiteral("status %1").arg(static_cast<uint8_t>(frame[4]));
        const auto command = static_cast<uint8_t>(frame[2]);
        // Binary data (ids, randoms, proofs) is explained by the notes above.
        if (command == kJsonCall && !data.isEmpty()) {
            decoded += ", " + QString::fromUtf8(data);
        } else if (!data.isEmpty() && Printable(data) == QString::fromLatin1(data)) {
            decoded += ", data \"" + Printable(data) + "\"";
        }
        lines << decoded;
    }
    write(QStringLiteral("#%1 clock < %2").arg(number).arg(hex(frame)), lines);
}

void WireLog::dropped(const QByteArray& bytes) {
    write("dropped " + hex(bytes), {"bytes that do not form a request frame"});
}

}  // namespace emulator
