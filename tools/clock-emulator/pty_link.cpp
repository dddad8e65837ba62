#include "pty_link.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace emulator {

int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void SleepUntilNs(int64_t deadlineNs) {
    if (deadlineNs <= MonotonicNs()) {
        return;
    }
    timespec until{};
    until.tv_sec = deadlineNs / 1000000000;
    until.tv_nsec = deadlineNs % 1000000000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

PtyLink::~PtyLink() {
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == slavePath_) {
        QFile::remove(linkPath_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PtyLink::open(const QString& linkPath, QString* error) {
    auto fail = [&](const char* step) {
        *error = QStringLiteral("%1: %2").arg(step, QString::fromLocal8Bit(strerror(errno)));
        return false;
    };
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
        return false;
    }
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) {
        return fail("posix_openpt");
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        return fail("grantpt/unlockpt");
    }
    char name[256] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        return fail("ptsname");
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        return fail("open slave");
    }
    // Raw 8N1 at 9600 baud, no echo, no line editing, no flow control: bytes pass unchanged.
    termios mode{};
    if (tcgetattr(slave_, &mode) != 0) {
        return fail("tcgetattr");
    }
    cfmakeraw(&mode);
    mode.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    mode.c_cflag |= CS8 | CLOCAL | CREAD;
    cfsetispeed(&mode, B9600);
    cfsetospeed(&mode, B9600);
    if (tcsetattr(slave_, TCSANOW, &mode) != 0) {
        return fail("tcsetattr");
    }
    // Point the link at the slave in one step: make it beside the link, then rename it over.
    const QString temporary = linkPath + ".new";
    QFile::remove(temporary);
    if (symlink(name, QFile::encodeName(temporary).constData()) != 0) {
        return fail("symlink");
    }
    if (rename(QFile::encodeName(temporary).constData(), QFile::encodeName(linkPath).constData()) !=
        0) {
        QFile::remove(temporary);
        return fail("rename link");
    }
    linkPath_ = linkPath;
    return true;
}

QByteArray PtyLink::readAvailable() {
    QByteArray bytes;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(master_, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        bytes.append(buffer, got);
    }
    return bytes;
}

bool PtyLink::writeAll(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (put > 0) {
            done += put;
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
        pollfd wait{master_, POLLOUT, 0};
        if (poll(&wait, 1, 1000) <= 0) {
            return false;
        }
    }
    return true;
}

}  // namespace emulator
