// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/SafeFile.h"

#include "core/Language.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>

namespace {

// As the kernel's limit on links in one path.
constexpr int MaxLinks = 40;
constexpr qsizetype ReadChunk = 64 * 1024;

TFileSinkFactory SinkFactory;

void SetError(QString* error, const QString& reason) {
    if (error)
        *error = reason;
}

QString SystemReason(int code) {
    return qt_error_string(code);
}

QString FaultReason(TFileFault fault, qint64 bound = 0) {
    switch (fault) {
    case TFileFault::NotRegular:
        return LangCaption(LangNotRegularFile);
    case TFileFault::TooLarge:
        return bound >= 1024 * 1024 ? LangCaption(LangFileTooLarge).arg(bound / (1024 * 1024))
                                    : LangCaption(LangFileTooLargeBytes).arg(bound);
    case TFileFault::BadName:
        return LangCaption(LangFileNameNotEncodable);
    case TFileFault::Link:
        return LangCaption(LangForeignLink);
    case TFileFault::Missing:
        return SystemReason(ENOENT);
    case TFileFault::None:
    case TFileFault::System:
        break;
    }
    return {};
}

TFileContent Content(TFileFault fault, qint64 bound = 0) {
    return {fault, FaultReason(fault, bound), {}};
}

TFileContent SystemContent(int code, QByteArray bytes = {}) {
    return {code == ENOENT ? TFileFault::Missing : TFileFault::System, SystemReason(code),
            std::move(bytes)};
}

bool Trusted(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

QByteArray ParentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

bool FileNameEncodable(const QString& name) {
    const QByteArray encoded = QFile::encodeName(name);
    return !name.contains(QChar(0)) && QFile::decodeName(encoded) == name;
}

TFilePath ResolveFilePath(const QString& name) {
    if (name.isEmpty())
        return {TFileFault::Missing, FaultReason(TFileFault::Missing), {}};
    if (!FileNameEncodable(name))
        return {TFileFault::BadName, FaultReason(TFileFault::BadName), {}};
    QByteArray rest = QFile::encodeName(name);
    QByteArray done;
    if (!rest.startsWith('/')) {
        char* cwd = ::getcwd(nullptr, 0);
        if (!cwd)
            return {TFileFault::System, SystemReason(errno), {}};
        done = cwd;
        std::free(cwd);
        if (done == "/")
            done.clear();
    }
    int links = 0;
    // done: the part walked so far, free of links, without a closing "/";
    // rest: what is still to walk.
    while (!rest.isEmpty()) {
        const qsizetype slash = rest.indexOf('/');
        const QByteArray part = slash < 0 ? rest : rest.left(slash);
        rest = slash < 0 ? QByteArray() : rest.mid(slash + 1);
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            done = ParentOf(done);
            if (done == "/")
                done.clear();
            continue;
        }
        const QByteArray next = done + '/' + part;
        struct stat info {};
        if (::lstat(next.constData(), &info) != 0) {
            const int code = errno;
            // The last part may be new; nothing else on the way may be.
            if (code == ENOENT && rest.isEmpty())
                return {TFileFault::None, {}, next};
            return {
                code == ENOENT ? TFileFault::Missing : TFileFault::System, SystemReason(code), {}};
        }
        if (!S_ISLNK(info.st_mode)) {
            done = next;
            continue;
        }
        struct stat folder {};
        if (::lstat(done.isEmpty() ? "/" : done.constData(), &folder) != 0)
            return {TFileFault::System, SystemReason(errno), {}};
        if (!Trusted(info.st_uid) || !Trusted(folder.st_uid))
            return {TFileFault::Link, FaultReason(TFileFault::Link), {}};
        if (++links > MaxLinks)
            return {TFileFault::System, SystemReason(ELOOP), {}};
        QByteArray target(std::max<qint64>(info.st_size, 255) + 1, Qt::Uninitialized);
        const ssize_t n = ::readlink(next.constData(), target.data(), std::size_t(target.size()));
        if (n < 0 || n >= target.size())
            return {TFileFault::System, SystemReason(n < 0 ? errno : ENAMETOOLONG), {}};
        target.truncate(n);
        if (target.startsWith('/'))
            done.clear();
        rest = rest.isEmpty() ? target : target + '/' + rest;
    }
    return {TFileFault::None, {}, done.isEmpty() ? QByteArray("/") : done};
}

TFileContent ReadRegularFile(const QString& name, qint64 maxBytes) {
    const TFilePath where = ResolveFilePath(name);
    if (where.fault != TFileFault::None)
        return {where.fault, where.reason, {}};
    // The type first, by name: opening a pipe would wait for a writer.
    struct stat info {};
    if (::lstat(where.path.constData(), &info) != 0)
        return SystemContent(errno);
    if (!S_ISREG(info.st_mode))
        return Content(TFileFault::NotRegular);
    if (info.st_size > maxBytes)
        return Content(TFileFault::TooLarge, maxBytes);
    // Then again on what was opened, without waiting and without following
    // a link, in case the name was given to something else in between.
    const TFd fd(
        ::open(where.path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ELOOP ? Content(TFileFault::NotRegular) : SystemContent(errno);
    if (::fstat(fd.get(), &info) != 0)
        return SystemContent(errno);
    if (!S_ISREG(info.st_mode))
        return Content(TFileFault::NotRegular);
    if (info.st_size > maxBytes)
        return Content(TFileFault::TooLarge, maxBytes);
    // A file that grows while it is read, or says it is empty and is not (as
    // some system files do), is still read no further than the bound.
    QByteArray bytes(std::min<qint64>(std::max<qint64>(info.st_size, ReadChunk), maxBytes) + 1,
                     Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes)
                return Content(TFileFault::TooLarge, maxBytes);
            bytes.resize(std::min<qint64>(got * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, std::size_t(bytes.size() - got));
        if (n > 0) {
            got += n;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int code = errno;
            bytes.truncate(got);
            return {TFileFault::System, SystemReason(code), std::move(bytes)};
        }
    }
    if (got > maxBytes)
        return Content(TFileFault::TooLarge, maxBytes);
    bytes.truncate(got);
    return {TFileFault::None, {}, std::move(bytes)};
}

// --- Writing -----------------------------------------------------------------

TAtomicFileSink::~TAtomicFileSink() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
}

bool TAtomicFileSink::fail(int code) {
    error_ = SystemReason(code);
    return false;
}

bool TAtomicFileSink::open(const QString& path) {
    path_ = QFile::encodeName(path);
    struct stat old {};
    const bool replacing = ::lstat(path_.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        error_ = LangCaption(LangNotRegularFile);
        return false;
    }
    // A new name beside the target; made by this call alone (O_EXCL), with
    // the mode a new file gets (the system applies the umask and any
    // default ACL), or private until it takes the old one's.
    const qsizetype slash = path_.lastIndexOf('/');
    QByteArray temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path_.left(slash + 1) + '.' + path_.mid(slash + 1) + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd_ = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     replacing ? 0600 : 0666);
        if (fd_ >= 0 || errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int code = errno;
        // A folder the user may not write can still hold a file the user may.
        if (!replacing || (code != EACCES && code != EPERM && code != EROFS))
            return fail(code);
        fd_ = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        struct stat now {};
        if (fd_ < 0)
            return fail(code);
        if (::fstat(fd_, &now) != 0 || !S_ISREG(now.st_mode) || now.st_ino != old.st_ino) {
            error_ = LangCaption(LangNotRegularFile);
            return false;
        }
        inPlace_ = true;
        return true;
    }
    temporary_ = temporary;
    if (replacing) {
        // The new file takes the old one's place, so it takes its owner and
        // mode too. The owner first, as giving a file away clears set-id bits.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd_, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away: the saving user's file it stays.
        }
        if (::fchmod(fd_, old.st_mode & 07777) != 0)
            return fail(errno);
    }
    return true;
}

qint64 TAtomicFileSink::write(const char* data, qint64 size) {
    if (fd_ < 0)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, std::size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(n < 0 ? errno : ENOSPC);
            return done > 0 ? done : -1;
        }
        done += n;
    }
    written_ += done;
    return done;
}

bool TAtomicFileSink::flush() {
    if (fd_ < 0)
        return fail(EBADF);
    if (inPlace_ && ::ftruncate(fd_, written_) != 0)
        return fail(errno);
    if (::fsync(fd_) != 0)
        return fail(errno);
    return true;
}

bool TAtomicFileSink::commit() {
    if (fd_ < 0)
        return fail(EBADF);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        return fail(errno);
    if (inPlace_)
        return true;
    if (::rename(temporary_.constData(), path_.constData()) != 0)
        return fail(errno);
    temporary_.clear();
    // The rename itself on the disk as well.
    const TFd folder(::open(ParentOf(path_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

TFileSinkFactory SetFileSinkFactory(TFileSinkFactory factory) {
    return std::exchange(SinkFactory, std::move(factory));
}

std::unique_ptr<TFileSink> MakeFileSink() {
    if (SinkFactory)
        return SinkFactory();
    return std::make_unique<TAtomicFileSink>();
}

bool MayWriteFile(const QString& name, QByteArray& path, QString* error) {
    const TFilePath where = ResolveFilePath(name);
    if (where.fault != TFileFault::None) {
        SetError(error, where.reason);
        return false;
    }
    struct stat info {};
    if (::lstat(where.path.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        SetError(error, FaultReason(TFileFault::NotRegular));
        return false;
    }
    path = where.path;
    return true;
}

bool WriteRegularFile(const QString& name, QByteArrayView bytes, QString* error) {
    QByteArray path;
    if (!MayWriteFile(name, path, error))
        return false;
    const std::unique_ptr<TFileSink> sink = MakeFileSink();
    const auto failed = [&] {
        QString reason = sink->errorString();
        SetError(error, reason.isEmpty() ? SystemReason(EIO) : reason);
        return false;
    };
    if (!sink->open(QFile::decodeName(path)))
        return failed();
    if (sink->write(bytes.data(), bytes.size()) != bytes.size())
        return failed();
    if (!sink->flush() || !sink->commit())
        return failed();
    return true;
}
