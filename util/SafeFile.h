// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

// Every file the program reads or writes goes through here, by one set of
// rules:
//  - only regular files are read or written; the type is checked without
//    waiting before a file is opened, and again on what was opened, so a
//    pipe, a device or a folder never holds the program up or is replaced;
//  - every read has a bound, and no more than it is ever read;
//  - a write goes to a new file beside the old one, every byte and the
//    final flush to the disk checked, and is renamed over the old file
//    only when all of it is there: a failure leaves the old file as it was
//    and nothing partial. The new file keeps the old one's mode, and its
//    owner where the process may give it;
//  - a link is followed only when both the link and the folder holding it
//    belong to the user or to root, which is what the kernel's
//    protected_symlinks does for shared folders: another user's link in
//    /tmp cannot send a write onto a file of the user's;
//  - a name the file system's encoding cannot hold is refused, never
//    written under another name.
// Reasons come back in the interface language, or in the system's words
// for what the system refused.

enum class TFileFault {
    None,
    Missing,    // nothing of that name, or a link that leads nowhere
    NotRegular, // a folder, device, pipe or socket, or a link to one
    TooLarge,   // more than the bound
    BadName,    // not valid in the file system's encoding
    Link,       // a link (or one on the way) that another user could have made
    System,     // the system refused it or failed part way
};

struct TFileContent {
    TFileFault fault = TFileFault::Missing;
    QString reason;   // for every fault but None
    QByteArray bytes; // the file; after a failure part way, what came before it
};

// Whether the name comes back unchanged from the file system's encoding.
bool FileNameEncodable(const QString& name);

// The path a name leads to, with every link on the way followed by the
// rule above: an absolute path free of links, whose last part may not
// exist yet. Fault None, or why the name cannot be used.
struct TFilePath {
    TFileFault fault = TFileFault::None;
    QString reason;
    QByteArray path;
};
TFilePath ResolveFilePath(const QString& name);

// Reads a regular file whole if it holds at most maxBytes.
TFileContent ReadRegularFile(const QString& name, qint64 maxBytes);

// Where a write puts its bytes. Nothing replaces the existing file until
// commit() succeeds; a sink destroyed without one leaves the old file as it
// was. Tests put a failing sink here (SetFileSinkFactory).
class TFileSink {
public:
    virtual ~TFileSink() = default;
    // Starts a new file at path (free of links), the old one staying in place.
    virtual bool open(const QString& path) = 0;
    // Like QIODevice::write: the number of bytes taken, or -1.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Puts every byte on the disk (fsync).
    virtual bool flush() = 0;
    // Puts the new file in place of the old one, all at once.
    virtual bool commit() = 0;
    virtual QString errorString() const = 0;
    // True where the old file could not be replaced whole but is being
    // written over, so a failure part way leaves it cut short.
    virtual bool inPlace() const { return false; }
};

// The real sink: a new file beside the target, renamed over it once every
// byte is on disk. Where the folder cannot take a new file but the file
// itself may be written, it is written in place instead.
class TAtomicFileSink : public TFileSink {
public:
    TAtomicFileSink() = default;
    ~TAtomicFileSink() override;
    TAtomicFileSink(const TAtomicFileSink&) = delete;
    TAtomicFileSink& operator=(const TAtomicFileSink&) = delete;

    bool open(const QString& path) override;
    qint64 write(const char* data, qint64 size) override;
    bool flush() override;
    bool commit() override;
    QString errorString() const override { return error_; }
    bool inPlace() const override { return inPlace_; }

private:
    bool fail(int code);

    int fd_ = -1;
    QByteArray path_;
    QByteArray temporary_;
    qint64 written_ = 0;
    bool inPlace_ = false;
    QString error_;
};

using TFileSinkFactory = std::function<std::unique_ptr<TFileSink>()>;

// Sets what every write of the program goes through and returns the
// previous setting; an empty factory means a TAtomicFileSink.
TFileSinkFactory SetFileSinkFactory(TFileSinkFactory factory);
std::unique_ptr<TFileSink> MakeFileSink();

// Whether a write may put a regular file at name: nothing is there, or a
// regular file is. On success, path is where the write goes.
bool MayWriteFile(const QString& name, QByteArray& path, QString* error);

// Writes bytes as the whole new content of name, by the rules above.
// Returns false, with the reason, when anything failed; then the old file
// stays as it was (only a file that had to be written in place can be left
// cut short).
bool WriteRegularFile(const QString& name, QByteArrayView bytes, QString* error = nullptr);
