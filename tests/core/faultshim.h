#pragma once

namespace wmtest {

// Makes `call` (write, fsync, close, ftruncate or fallocate; several joined by commas) fail
// with `error` (EIO or ENOSPC) on files whose path contains `path`; a write first lets
// `after` bytes through. Until clearFault().
void setFault(const char* call, const char* path, const char* error, int after = 0);
void clearFault();

// Clears the fault when a test ends, passed or not.
struct FaultGuard {
    FaultGuard(const char* call, const char* path, const char* error, int after = 0) {
        setFault(call, path, error, after);
    }
    ~FaultGuard() { clearFault(); }
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;
};

}  // namespace wmtest
