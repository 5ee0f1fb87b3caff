// Fault injection for the write-failure tests: write, fsync, close, ftruncate and fallocate
// of a chosen file fail with a chosen error. Linked into the test program itself (and exported),
// these definitions take the place of the C library's for every caller, Qt included; they are not
// an LD_PRELOAD library because AddressSanitizer insists on coming first in the preload list.
// Without WM_FAULT_CALL set everything passes straight through.
//
//   WM_FAULT_CALL   write | fsync | close | ftruncate | fallocate, or several joined by
//                   commas
//   WM_FAULT_PATH   text the file's path contains
//   WM_FAULT_ERRNO  EIO | ENOSPC
//   WM_FAULT_AFTER  (write) bytes that still succeed, cut short at that point

#include "faultshim.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Bytes written so far to the chosen file, across calls.
size_t faultBytes = 0;

template <typename F>
F realFunction(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// True when call on fd is the one to fail.
bool chosen(const char* call, int fd) {
    const char* wanted = std::getenv("WM_FAULT_CALL");
    const char* path = std::getenv("WM_FAULT_PATH");
    if (!wanted || !path)
        return false;
    const std::string calls = std::string(",") + wanted + ",";
    if (calls.find(std::string(",") + call + ",") == std::string::npos)
        return false;
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return std::strstr(target, path) != nullptr;
}

int chosenErrno() {
    const char* name = std::getenv("WM_FAULT_ERRNO");
    return name && std::strcmp(name, "ENOSPC") == 0 ? ENOSPC : EIO;
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t count) {
    static const auto real = realFunction<ssize_t (*)(int, const void*, size_t)>("write");
    if (!chosen("write", fd))
        return real(fd, data, count);
    const char* after = std::getenv("WM_FAULT_AFTER");
    const size_t room = after ? size_t(std::strtoul(after, nullptr, 10)) : 0;
    if (faultBytes >= room) {
        errno = chosenErrno();
        return -1;
    }
    const size_t now = count < room - faultBytes ? count : room - faultBytes;
    const ssize_t n = real(fd, data, now);
    if (n > 0)
        faultBytes += size_t(n);
    return n;
}

int fsync(int fd) {
    static const auto real = realFunction<int (*)(int)>("fsync");
    if (!chosen("fsync", fd))
        return real(fd);
    errno = chosenErrno();
    return -1;
}

int ftruncate(int fd, off_t length) {
    static const auto real = realFunction<int (*)(int, off_t)>("ftruncate");
    if (!chosen("ftruncate", fd))
        return real(fd, length);
    errno = chosenErrno();
    return -1;
}

int fallocate(int fd, int mode, off_t offset, off_t length) {
    static const auto real = realFunction<int (*)(int, int, off_t, off_t)>("fallocate");
    if (!chosen("fallocate", fd))
        return real(fd, mode, offset, length);
    errno = chosenErrno();
    return -1;
}

int close(int fd) {
    static const auto real = realFunction<int (*)(int)>("close");
    if (!chosen("close", fd))
        return real(fd);
    // As on a network file system: the descriptor is gone, the error comes with it.
    real(fd);
    errno = chosenErrno();
    return -1;
}
}

void wmtest::setFault(const char* call, const char* path, const char* error, int after) {
    faultBytes = 0;
    ::setenv("WM_FAULT_PATH", path, 1);
    ::setenv("WM_FAULT_ERRNO", error, 1);
    ::setenv("WM_FAULT_AFTER", std::to_string(after).c_str(), 1);
    ::setenv("WM_FAULT_CALL", call, 1);
}

void wmtest::clearFault() {
    ::unsetenv("WM_FAULT_CALL");
}
