#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <memory>

#include "live/live_board.h"

class QTcpSocket;
class QTimer;

// The board's HTTP surface, safe to leave running on the club's network: GET and HEAD of three
// fixed addresses, nothing from the disk, nothing that changes data. Requests that break the
// rules below are refused with their status and the connection closed; slow clients are cut
// off; one address holds a few connections at most.

struct LiveLimits {
    int requestLineBytes = 2048;  // longer: 414
    int headerBytes = 8192;       // request line and header fields together; more: 431
    int headerLines = 64;         // more: 431
    int connectionsPerAddress = 16;
    int connections = 1024;
    int headerTimeoutMs = 5000;  // a request's header must be in within this, or 408
    int idleTimeoutMs = 30000;   // a connection kept open with nothing asked is closed
};

// Reads a client's bytes as they come, request after request, and says when they break the
// rules: a request line that is not "GET|HEAD /target HTTP/1.x", lines or headers too long, a
// body (the board takes none), control characters.
class RequestGuard {
  public:
    explicit RequestGuard(const LiveLimits& limits) : limits_(limits) {}
    // Takes the next bytes; 0 while they keep the rules, otherwise the status to refuse with.
    int feed(const char* data, qint64 size);
    // A request has begun and its header is not complete yet.
    bool midRequest() const { return started_; }
    // Of the last request line read: HTTP/1.0, or "Connection: close" asked.
    bool wantsClose() const { return close_ || (http10_ && !keepAlive_); }

  private:
    int endOfLine();

    LiveLimits limits_;
    QByteArray line_;
    bool started_ = false;
    bool requestLineDone_ = false;
    int headerBytes_ = 0;
    int headerLines_ = 0;
    bool http10_ = false;
    bool keepAlive_ = false;
    bool close_ = false;
};

enum class LiveResource { None, Phone, Screen, Json };
// The resource at a request's path (exact, as sent: no decoding, no dot segments).
LiveResource LiveRoute(const QByteArray& path);

// A whole response with the board's headers. `body` is left out for HEAD (its length stays).
QByteArray LiveResponse(int status, const QByteArray& contentType, const QByteArray& body,
                        bool head, bool close, const QByteArray& extraHeaders = {});

class LiveTcpServer;

class LiveHttpServer : public QAbstractHttpServer {
    Q_OBJECT
  public:
    explicit LiveHttpServer(const LiveLimits& limits, QObject* parent = nullptr);
    ~LiveHttpServer() override;

    // Listens on the address and port; false with the system's reason when refused.
    bool start(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const;
    // The documents served from now on.
    void setDocuments(std::shared_ptr<const LiveDocuments> documents);

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    LiveLimits limits_;
    LiveTcpServer* tcp_ = nullptr;
    std::shared_ptr<const LiveDocuments> documents_;
};

// Accepts connections and watches them before the HTTP server reads them (internal).
class LiveTcpServer : public QTcpServer {
    Q_OBJECT
  public:
    LiveTcpServer(const LiveLimits& limits, QObject* parent);
    ~LiveTcpServer() override;
    // What the guard knows of the socket's current request.
    bool wantsClose(QTcpSocket* socket) const;

  protected:
    void incomingConnection(qintptr handle) override;

  private:
    struct Watch;
    void guard(QTcpSocket* socket);
    void refuse(QTcpSocket* socket, int status);
    void sweep();

    LiveLimits limits_;
    QHash<QTcpSocket*, Watch*> watched_;
    QHash<QString, int> perAddress_;
    QTimer* sweeper_;
};
