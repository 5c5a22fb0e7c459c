// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/ToolFile.h"

#include <algorithm>

// A save that fails on purpose, for tests of the save path: it writes through
// the real sink, TSaveFileSink, but fails at one chosen step, as a full
// disk or a refused rename would. Install it with SetToolSinkFactory.
class TFaultyToolSink : public TSaveFileSink {
public:
    enum class Fault {
        Write,  // every byte from failAtByte on is refused
        Flush,  // the bytes are written but the flush fails
        Commit, // everything is written; the rename over the old file fails
    };

    explicit TFaultyToolSink(Fault fault, qint64 failAtByte = 0)
        : fault_(fault), failAtByte_(failAtByte) {}

    // Takes the bytes before failAtByte. A write that reaches it is cut short
    // there, and one that starts there fails outright, as real devices do.
    qint64 write(const char* data, qint64 size) override {
        if (fault_ != Fault::Write || written_ + size <= failAtByte_)
            return count(TSaveFileSink::write(data, size));
        const qint64 room = std::max<qint64>(failAtByte_ - written_, 0);
        error_ = QStringLiteral("No space left on device");
        if (room == 0)
            return -1;
        return count(TSaveFileSink::write(data, room));
    }

    bool flush() override {
        if (fault_ == Fault::Flush) {
            error_ = QStringLiteral("Input/output error");
            return false;
        }
        return TSaveFileSink::flush();
    }

    bool commit() override {
        if (fault_ == Fault::Commit) {
            // Not committing is what a failed rename amounts to: the sink
            // throws the temporary away and the old file stays.
            error_ = QStringLiteral("Permission denied");
            return false;
        }
        return TSaveFileSink::commit();
    }

    QString errorString() const override {
        return error_.isEmpty() ? TSaveFileSink::errorString() : error_;
    }

private:
    qint64 count(qint64 n) {
        if (n > 0)
            written_ += n;
        return n;
    }

    Fault fault_;
    qint64 failAtByte_;
    qint64 written_ = 0;
    QString error_;
};
