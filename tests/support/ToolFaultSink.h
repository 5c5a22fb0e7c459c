// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/ToolFile.h"

#include <algorithm>

// The real sink, failing at one chosen step as a full disk or a refused
// rename would. Install it with SetToolSinkFactory or SetFileSinkFactory.
class TFaultyToolSink : public TSaveFileSink {
public:
    enum class Fault { Write, Flush, Commit }; // Write: every byte from failAtByte on is refused

    explicit TFaultyToolSink(Fault fault, qint64 failAtByte = 0)
        : fault_(fault), failAtByte_(failAtByte) {}

    // A write that reaches the failing byte is cut short there, and one that
    // starts there fails outright, as real devices do.
    qint64 write(const char* data, qint64 size) override {
        const bool cut = fault_ == Fault::Write && written_ + size > failAtByte_;
        if (cut)
            error_ = QStringLiteral("No space left on device");
        const qint64 n = cut ? failAtByte_ - written_ : size;
        const qint64 done = cut && n <= 0 ? -1 : TSaveFileSink::write(data, n);
        written_ += std::max<qint64>(done, 0);
        return done;
    }
    bool flush() override {
        return fault_ == Fault::Flush ? fail("Input/output error") : TSaveFileSink::flush();
    }
    // Not committing is what a failed rename amounts to: the temporary goes, the old file stays.
    bool commit() override {
        return fault_ == Fault::Commit ? fail("Permission denied") : TSaveFileSink::commit();
    }
    QString errorString() const override {
        return error_.isEmpty() ? TSaveFileSink::errorString() : error_;
    }

private:
    bool fail(const char* error) { return error_ = QString::fromLatin1(error), false; }

    Fault fault_;
    qint64 failAtByte_, written_ = 0;
    QString error_;
};

// Sinks failing at byte `at` of a write of `size` bytes: its write before the end, its flush at
// the end, its commit after it.
inline TFileSinkFactory FailingAt(qint64 at, qint64 size) {
    using Fault = TFaultyToolSink::Fault;
    const Fault fault = at < size ? Fault::Write : at > size ? Fault::Commit : Fault::Flush;
    return [=] { return std::make_unique<TFaultyToolSink>(fault, at); };
}
