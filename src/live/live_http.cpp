#include "live_http.h"

#include <QDateTime>
#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace {

QByteArray Reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 304:
            return "Not Modified";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 413:
            return "Content Too Large";
        case 414:
            return "URI Too Long";
        case 431:
            return "Request Header Fields Too Large";
        case 503:
            return "Service Unavailable";
        case 505:
            return "HTTP Version Not Supported";
        default:
            return "Error";
    }
}

bool IsTokenChar(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsTargetChar(char c) {
    return c > 0x20 && c < 0x7f;
}

QByteArray Lower(const QByteArray& text) {
    return text.toLower();
}

}  // namespace

int RequestGuard::feed(const char* data, qint64 size) {
    for (qint64 i = 0; i < size; ++i) {
        const char c = data[i];
        if (!started_) {
            // Blank lines between requests are allowed, nothing else before a request.
            if (c == '\r' || c == '\n') {
                continue;
            }
            started_ = true;
            requestLineDone_ = false;
            headerBytes_ = 0;
            headerLines_ = 0;
            http10_ = keepAlive_ = close_ = false;
            line_.clear();
        }
        ++headerBytes_;
        if (c == '\n') {
            if (const int status = endOfLine()) {
                return status;
            }
            continue;
        }
        if (c != '\r' && c != '\t' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)) {
            return 400;
        }
        line_ += c;
        if (!requestLineDone_ && line_.size() > limits_.requestLineBytes) {
            return 414;
        }
        if (headerBytes_ > limits_.headerBytes) {
            return 431;
        }
    }
    return 0;
}

int RequestGuard::endOfLine() {
    if (line_.endsWith('\r')) {
        line_.chop(1);
    }
    if (line_.contains('\r')) {
        return 400;
    }
    const QByteArray line = line_;
    line_.clear();
    if (!requestLineDone_) {
        requestLineDone_ = true;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 3 || parts[0].isEmpty() || parts[1].isEmpty()) {
            return 400;
        }
        if (!std::all_of(parts[0].begin(), parts[0].end(), IsTokenChar)) {
            return 400;
        }
        if (parts[1].front() != '/' ||
            !std::all_of(parts[1].begin(), parts[1].end(), IsTargetChar)) {
            return 400;
        }
        if (parts[2] == "HTTP/1.0") {
            http10_ = true;
        } else if (parts[2] != "HTTP/1.1") {
            return parts[2].startsWith("HTTP/") ? 505 : 400;
        }
        if (parts[0] != "GET" && parts[0] != "HEAD") {
            return 405;
        }
        return 0;
    }
    if (line.isEmpty()) {
        started_ = false;  // the header is complete: the next request may follow
        return 0;
    }
    if (++headerLines_ > limits_.headerLines) {
        return 431;
    }
    const int colon = line.indexOf(':');
    if (colon <= 0 || line.front() == ' ' || line.front() == '\t') {
        return 400;  // no field name, or a folded line
    }
    const QByteArray name = Lower(line.left(colon).trimmed());
    const QByteArray value = Lower(line.mid(colon + 1).trimmed());
    if (name == "transfer-encoding") {
        return 413;
    }
    if (name == "content-length") {
        bool ok = false;
        const qint64 length = value.toLongLong(&ok);
        if (!ok || length < 0) {
            return 400;
        }
        if (length > 0) {
            return 413;
        }
    }
    if (name == "connection") {
        close_ = close_ || value.contains("close");
        keepAlive_ = keepAlive_ || value.contains("keep-alive");
    }
    return 0;
}

LiveResource LiveRoute(const QByteArray& path) {
    if (path == "/") {
        return LiveResource::Phone;
    }
    if (path == "/screen") {
        return LiveResource::Screen;
    }
    if (path == "/board.json") {
        return LiveResource::Json;
    }
    return LiveResource::None;
}

QByteArray LiveResponse(int status, const QByteArray& contentType, const QByteArray& body,
                        bool head, bool close, const QByteArray& extraHeaders) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + Reason(status) + "\r\n";
    if (!contentType.isEmpty()) {
        out += "Content-Type: " + contentType + "\r\n";
    }
    if (status != 304) {
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    }
    out +=
        "Cache-Control: no-cache\r\n"
        "X-Content-Type-Options: nosniff\r\n"
        "Referrer-Policy: no-referrer\r\n"
        "Content-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; "
        "script-src 'unsafe-inline'; connect-src 'self'; frame-ancestors 'none'\r\n";
    out += extraHeaders;
    out += close ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    out += "\r\n";
    if (!head && status != 304) {
        out += body;
    }
    return out;
}

// ---------------------------------------------------------------- connections

struct LiveTcpServer::Watch {
    explicit Watch(const LiveLimits& limits) : guard(limits) {}
    RequestGuard guard;
    QString address;
    qint64 since = 0;     // the current request's start, or the last activity when idle
    qint64 leftover = 0;  // bytes the HTTP server left in the socket last time
    bool refused = false;
    bool wasMid = false;
};

LiveTcpServer::LiveTcpServer(const LiveLimits& limits, QObject* parent)
    : QTcpServer(parent), limits_(limits), sweeper_(new QTimer(this)) {
    setMaxPendingConnections(256);
    sweeper_->setInterval(qBound(50, limits_.headerTimeoutMs / 4, 500));
    connect(sweeper_, &QTimer::timeout, this, &LiveTcpServer::sweep);
    sweeper_->start();
}

LiveTcpServer::~LiveTcpServer() {
    for (auto it = watched_.begin(); it != watched_.end(); ++it) {
        QObject::disconnect(it.key(), nullptr, this, nullptr);
        delete it.value();
    }
}

bool LiveTcpServer::wantsClose(QTcpSocket* socket) const {
    const Watch* w = watched_.value(socket);
    return w == nullptr || w->guard.wantsClose();
}

void LiveTcpServer::incomingConnection(qintptr handle) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    const QString address = socket->peerAddress().toString();
    int& count = perAddress_[address];
    if (count >= limits_.connectionsPerAddress || watched_.size() >= limits_.connections) {
        // Too many from this address (or in all): said once, then closed.
        if (count == 0) {
            perAddress_.remove(address);
        }
        socket->write(LiveResponse(503, "text/plain; charset=utf-8", "Too many connections.\n",
                                   false, true, "Retry-After: 5\r\n"));
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        QTimer::singleShot(2000, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        return;
    }
    ++count;
    auto* watch = new Watch(limits_);
    watch->address = address;
    watch->since = QDateTime::currentMSecsSinceEpoch();
    watched_.insert(socket, watch);
    // Connected before the HTTP server's own handler, so the bytes are looked at first.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { guard(socket); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] {
        Watch* w = watched_.take(socket);
        if (w == nullptr) {
            return;
        }
        if (--perAddress_[w->address] <= 0) {
            perAddress_.remove(w->address);
        }
        delete w;
    });
    addPendingConnection(socket);
}

void LiveTcpServer::guard(QTcpSocket* socket) {
    Watch* w = watched_.value(socket);
    if (w == nullptr) {
        return;
    }
    if (w->refused) {
        socket->readAll();
        return;
    }
    const qint64 available = socket->bytesAvailable();
    const QByteArray bytes = socket->peek(available);
    const qint64 skip = qMin<qint64>(w->leftover, bytes.size());
    const int status = w->guard.feed(bytes.constData() + skip, bytes.size() - skip);
    if (status != 0) {
        refuse(socket, status);
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (w->guard.midRequest() != w->wasMid || !w->guard.midRequest()) {
        w->since = now;  // a request began, or the client is between requests
        w->wasMid = w->guard.midRequest();
    }
    // What the HTTP server leaves unread is not looked at twice.
    w->leftover = available;
    QTimer::singleShot(0, socket, [this, socket] {
        if (Watch* again = watched_.value(socket)) {
            again->leftover = socket->bytesAvailable();
        }
    });
}

void LiveTcpServer::refuse(QTcpSocket* socket, int status) {
    Watch* w = watched_.value(socket);
    if (w == nullptr || w->refused) {
        return;
    }
    w->refused = true;
    socket->readAll();  // nothing of it reaches the HTTP server
    socket->write(LiveResponse(status, "text/plain; charset=utf-8",
                               Reason(status) + QByteArray("\n"), false, true,
                               status == 405 ? QByteArray("Allow: GET, HEAD\r\n") : QByteArray()));
    socket->disconnectFromHost();
    QTimer::singleShot(2000, socket, [socket] { socket->abort(); });
}

void LiveTcpServer::sweep() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QList<QPair<QTcpSocket*, bool>> late;
    for (auto it = watched_.cbegin(); it != watched_.cend(); ++it) {
        const Watch* w = it.value();
        if (w->refused) {
            continue;
        }
        if (w->guard.midRequest() && now - w->since > limits_.headerTimeoutMs) {
            late << qMakePair(it.key(), true);
        } else if (!w->guard.midRequest() && now - w->since > limits_.idleTimeoutMs &&
                   it.key()->bytesToWrite() == 0) {
            late << qMakePair(it.key(), false);
        }
    }
    for (const auto& [socket, slow] : late) {
        if (slow) {
            refuse(socket, 408);  // the header came too slowly
        } else {
            watched_.value(socket)->refused = true;
            socket->disconnectFromHost();
            QTimer::singleShot(2000, socket, [socket] { socket->abort(); });
        }
    }
}

// ---------------------------------------------------------------- server

LiveHttpServer::LiveHttpServer(const LiveLimits& limits, QObject* parent)
    : QAbstractHttpServer(parent), limits_(limits) {
    LiveBoardData none;
    none.clubName = QStringLiteral("Live board");
    documents_ = std::make_shared<const LiveDocuments>(
        RenderLiveBoard(none, {}, 15, QDateTime::currentDateTime()));
}

LiveHttpServer::~LiveHttpServer() = default;

bool LiveHttpServer::start(const QHostAddress& address, quint16 port, QString* error) {
    tcp_ = new LiveTcpServer(limits_, this);
    if (!tcp_->listen(address, port)) {
        if (error != nullptr) {
            *error = tcp_->errorString();
        }
        delete tcp_;
        tcp_ = nullptr;
        return false;
    }
    bind(tcp_);
    return true;
}

quint16 LiveHttpServer::port() const {
    return tcp_ != nullptr ? tcp_->serverPort() : 0;
}

void LiveHttpServer::setDocuments(std::shared_ptr<const LiveDocuments> documents) {
    if (documents) {
        documents_ = std::move(documents);
    }
}

bool LiveHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    const bool close = tcp_ == nullptr || tcp_->wantsClose(socket);
    QByteArray out;
    if (request.method() != QHttpServerRequest::Method::Get && !head) {
        // The guard refuses these before they get here; kept for safety.
        out = LiveResponse(405, "text/plain; charset=utf-8", "Method Not Allowed\n", head, true,
                           "Allow: GET, HEAD\r\n");
    } else {
        const std::shared_ptr<const LiveDocuments> docs = documents_;
        switch (LiveRoute(request.url().path(QUrl::FullyEncoded).toLatin1())) {
            case LiveResource::Phone:
                out = LiveResponse(200, "text/html; charset=utf-8", docs->phonePage, head, close);
                break;
            case LiveResource::Screen:
                out = LiveResponse(200, "text/html; charset=utf-8", docs->screenPage, head, close);
                break;
            case LiveResource::Json: {
                const QByteArray tag = "ETag: " + docs->etag + "\r\n";
                const QByteArray asked = request.value("If-None-Match");
                const bool same = !asked.isEmpty() &&
                                  (asked.split(',').contains(docs->etag) ||
                                   asked.trimmed() == docs->etag || asked.contains(docs->etag));
                out = same ? LiveResponse(304, {}, {}, head, close, tag)
                           : LiveResponse(200, "application/json", docs->json, head, close, tag);
                break;
            }
            case LiveResource::None:
                out = LiveResponse(404, "text/plain; charset=utf-8", "Not Found\n", head, close);
                break;
        }
    }
    socket->write(out);
    if (close) {
        socket->disconnectFromHost();
    }
    return true;
}

void LiveHttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    socket->write(LiveResponse(404, "text/plain; charset=utf-8", "Not Found\n",
                               request.method() == QHttpServerRequest::Method::Head, true));
    socket->disconnectFromHost();
}
