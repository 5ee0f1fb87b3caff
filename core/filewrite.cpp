#include "filewrite.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace wm {

#ifdef Q_OS_WIN

FileResult replaceFile(const QString& nativePath, const QByteArray& bytes) {
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

FileResult appendToFile(const QString& nativePath, const QByteArray& bytes) {
    const bool existed = QFile::exists(nativePath);
    QFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const qint64 oldSize = file.size();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.resize(oldSize);
        file.close();
        if (!existed)
            file.remove();
        return {false, reason};
    }
    file.close();
    if (file.error() != QFileDevice::NoError && QFile(nativePath).size() != oldSize + bytes.size())
        return {false, file.errorString()};
    return {};
}

#else

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all of bytes; false with errno set otherwise (a write that makes no progress
// counts as a full disk).
bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// The mode a new file gets: what the umask leaves of rw-rw-rw-.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// A temporary file, fsync, then rename: the old file is replaced only once the new one is
// whole on disk (QSaveFile of Qt 6.4 ignores a failing fsync or close of the new file).
FileResult replaceFile(const QString& nativePath, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(nativePath);
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return {false, systemReason(errno)};
    auto fail = [&](int error, bool open) {
        if (open)
            ::close(fd);
        ::unlink(temp.constData());
        return FileResult{false, systemReason(error)};
    };
    // The new file keeps the old one's permissions, or gets those of any new file.
    if (::fchmod(fd, existed ? (old.st_mode & 07777) : newFileMode()) != 0)
        return fail(errno, true);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return fail(errno, true);
    if (::close(fd) != 0)
        return fail(errno, false);
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail(errno, false);
    return {};
}

FileResult appendToFile(const QString& nativePath, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(nativePath);
    struct stat before {};
    const bool existed = ::stat(target.constData(), &before) == 0;
    const int fd = ::open(target.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return {false, systemReason(errno)};
    const off_t oldSize = existed ? before.st_size : 0;
    if (!writeAll(fd, bytes)) {
        const int error = errno;
        if (::ftruncate(fd, oldSize) != 0) {
            // Nothing more to do: the reason of the write is what the user needs.
        }
        ::close(fd);
        if (!existed)
            ::unlink(target.constData());
        return {false, systemReason(error)};
    }
    if (::close(fd) != 0) {
        // The line may well be there: only a file of the wrong size is a failed save, so a
        // save that did happen is not made again.
        const int error = errno;
        struct stat after {};
        if (::stat(target.constData(), &after) != 0 || after.st_size != oldSize + bytes.size())
            return {false, systemReason(error)};
    }
    return {};
}

#endif

}  // namespace wm
