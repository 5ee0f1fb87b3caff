#include "filewrite.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace wm {

QString notRegularFile(bool folder) {
    return folder ? QStringLiteral("フォルダーです")
                  : QStringLiteral("通常のファイルではありません");
}

#ifdef Q_OS_WIN

FileResult replaceFile(const QString& nativePath, const QByteArray& bytes) {
    const QFileInfo old(nativePath);
    if (old.exists() && !old.isFile())
        return {false, notRegularFile(old.isDir())};
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
    const QFileInfo old(nativePath);
    if (old.exists() && !old.isFile())
        return {false, notRegularFile(old.isDir())};
    const bool existed = old.exists();
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

QString nulInPath() {
    return QStringLiteral("パスに NUL 文字があります");
}

// Reserves the disk space for length more bytes after size without changing the file, so
// that on a full disk an append fails before any part of it is written. False with errno
// set when the space is not there; where nothing can be reserved the write goes ahead.
bool reserveSpace(int fd, off_t size, qsizetype length) {
#ifdef __linux__
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, size, off_t(length)) == 0)
        return true;
    return errno != ENOSPC && errno != EDQUOT && errno != EFBIG && errno != EIO;
#else
    (void)fd;
    (void)size;
    (void)length;
    return true;
#endif
}

// Takes a failed append back: the file cut to its old size (which also frees what was
// reserved past it), or removed when the append made it.
void takeBack(int fd, const QByteArray& target, off_t oldSize, bool existed) {
    if (!existed) {
        ::unlink(target.constData());
        return;
    }
    if (::ftruncate(fd, oldSize) != 0) {
        // Nothing more to do: the reader skips a line cut short, and the reason of the
        // failure is what the user needs.
    }
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
    if (target.contains('\0'))
        return {false, nulInPath()};
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    // A FIFO or a device (a link to one too) is no file to replace: renaming over the link
    // would only hide what it points to.
    if (existed && !S_ISREG(old.st_mode))
        return {false, notRegularFile(S_ISDIR(old.st_mode))};
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
    // The new file keeps the permissions of the regular file it replaces, or gets those of
    // any new file.
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
    if (target.contains('\0'))
        return {false, nulInPath()};
    // Only a regular file takes the line: a FIFO would hold the save until some reader
    // comes, a device would swallow it.
    struct stat before {};
    const bool existed = ::stat(target.constData(), &before) == 0;
    if (existed && !S_ISREG(before.st_mode))
        return {false, notRegularFile(S_ISDIR(before.st_mode))};
    // Non-blocking, so that a FIFO put there after the check fails the open instead of
    // waiting for a reader.
    const int fd = ::open(target.constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0)
        return {false, systemReason(errno)};
    struct stat opened {};
    const bool known = ::fstat(fd, &opened) == 0;
    if (!known || !S_ISREG(opened.st_mode)) {
        const QString reason =
            known ? notRegularFile(S_ISDIR(opened.st_mode)) : systemReason(errno);
        ::close(fd);
        return {false, reason};
    }
    const off_t oldSize = opened.st_size;
    if (!reserveSpace(fd, oldSize, bytes.size()) || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        takeBack(fd, target, oldSize, existed);
        ::close(fd);
        return {false, systemReason(error)};
    }
    if (::close(fd) != 0) {
        // The system gives no promise for the line now: take it back, so that a save reported
        // as failed is not in the file either.
        const int error = errno;
        const int again = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        struct stat now {};
        if (again >= 0 && ::fstat(again, &now) == 0 && S_ISREG(now.st_mode))
            takeBack(again, target, oldSize, existed);
        if (again >= 0)
            ::close(again);
        return {false, systemReason(error)};
    }
    return {};
}

#endif

}  // namespace wm
