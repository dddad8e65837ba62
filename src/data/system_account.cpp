#include "system_account.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

QString SystemAccountName() {
#ifdef Q_OS_WIN
    wchar_t name[257];
    DWORD size = 257;
    if (GetUserNameW(name, &size) && size > 0) {
        return QString::fromWCharArray(name, int(size) - 1);
    }
    return {};
#else
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? size_t(bufferSize) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_name != nullptr) {
        return QString::fromLocal8Bit(found->pw_name);
    }
    return {};
#endif
}
