#pragma once

// A plain HTTP client for the board's tests and bench: sends raw bytes and reads what comes
// back, as any program on the club's network could.

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QTcpSocket>

struct HttpReply {
    QByteArray raw;
    int status = 0;
    QByteArray headers;  // lower-case, "name: value\r\n" lines
    QByteArray body;
    bool closed = false;  // the server closed the connection

    QByteArray header(const QByteArray& name) const {
        for (const QByteArray& line : headers.split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed() == name) {
                return line.mid(colon + 1).trimmed();
            }
        }
        return {};
    }
};

// Parses as much of a response as `raw` holds; true when it is complete.
inline bool ParseReply(HttpReply& r, bool head = false) {
    const int end = r.raw.indexOf("\r\n\r\n");
    if (end < 0) {
        return false;
    }
    const QByteArray top = r.raw.left(end);
    const int firstLine = top.indexOf("\r\n");
    const QList<QByteArray> status = top.left(firstLine < 0 ? top.size() : firstLine).split(' ');
    r.status = status.value(1).toInt();
    r.headers = firstLine < 0 ? QByteArray() : top.mid(firstLine + 2).toLower();
    const QByteArray length = r.header("content-length");
    const qint64 want = head || r.status == 304 ? 0 : length.toLongLong();
    r.body = r.raw.mid(end + 4);
    return r.body.size() >= want;
}

// Sends `request` on a new connection and reads the answer until it is complete and, when
// `untilClosed`, the server closed; at most `waitMs`.
inline HttpReply Exchange(quint16 port, const QByteArray& request, int waitMs = 3000,
                          bool untilClosed = false, bool head = false) {
    HttpReply r;
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(waitMs)) {
        r.closed = true;
        return r;
    }
    s.write(request);
    s.flush();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < waitMs) {
        if (s.state() != QAbstractSocket::ConnectedState && s.bytesAvailable() == 0) {
            r.closed = true;
            break;
        }
        if (!s.waitForReadyRead(50)) {
            if (s.state() != QAbstractSocket::ConnectedState) {
                r.raw += s.readAll();
                r.closed = true;
                break;
            }
            continue;
        }
        r.raw += s.readAll();
        if (ParseReply(r, head) && !untilClosed) {
            break;
        }
    }
    ParseReply(r, head);
    return r;
}

inline QByteArray Get(const QByteArray& path, const QByteArray& extra = {}) {
    return "GET " + path + " HTTP/1.1\r\nHost: board\r\n" + extra + "\r\n";
}
