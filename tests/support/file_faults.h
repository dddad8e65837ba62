#pragma once

// Disks that go wrong, for the tests of the file writers: a full disk (the process may not
// write any file beyond a few bytes) and a folder that may not be written to.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>

#include <linux/capability.h>

// While it lives, no file of this process may grow beyond `bytes`: a write past that fails as
// on a full disk (the signal the system sends then is ignored, so the write returns an error).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

// While it lives, `folder` is read-only (r-x for everyone). The tests run as root in CI, and
// root writes anywhere, so this thread also gives up its right to override file permissions
// until the folder is writable again.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(QFile::encodeName(folder)) {
        ::chmod(folder_.constData(), 0555);
        if (::geteuid() == 0 && capget(caps_)) {
            __user_cap_data_struct reduced[2] = {caps_[0], caps_[1]};
            reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            dropped_ = capset(reduced);
        }
    }
    ~ReadOnlyFolder() {
        if (dropped_) {
            capset(caps_);
        }
        ::chmod(folder_.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    static bool capget(__user_cap_data_struct (&data)[2]) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &header, data) == 0;
    }
    static bool capset(__user_cap_data_struct (&data)[2]) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &header, data) == 0;
    }

    QByteArray folder_;
    __user_cap_data_struct caps_[2]{};
    bool dropped_ = false;
};

// The whole contents of a file; "<missing>" when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
