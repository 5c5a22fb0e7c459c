// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/SafeFile.h"
#include <QByteArray>

#include <QIODevice>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

// The user's list of external tools and the file "Tools.rel" that holds it.
//
// The file is plain Windows-1252 text, four lines per tool (Title, File, Dir,
// Params), each line ended by CR LF, with no header: an empty list is an
// empty file. It is the master copy; the list in memory is re-read from it
// whenever the tools menu or the editor needs it, and written only when the
// user confirms the editor.
//
// Every operation here returns whether it succeeded and shows nothing; where
// it takes a `QString* error`, a failure puts its reason there (the system's
// wording where there is one) so the window can decide what to say.

// One external tool. Each field is a short text of at most ToolFieldMax
// characters, all of them single-byte Windows-1252 characters when the
// record came from the file.
struct TToolRecord {
    QString Title;  // shown in the tools menu and the editor's list
    QString File;   // the document or program to open
    QString Dir;    // working directory, as typed or chosen
    QString Params; // parameters, as typed
};

inline constexpr qsizetype ToolFieldMax = 255;

// The list file, opened by bare name: it is looked for in whatever the
// current directory is at the moment of each load or save.
inline constexpr char ToolFile[] = "Tools.rel";

// The largest list file that is read. Hundreds of thousands of tools fit in
// it; anything larger is taken for a file that cannot be read, so neither a
// mistaken file nor a hostile one can hold up start-up or fill the memory.
inline constexpr qint64 ToolFileMaxBytes = qint64(16) * 1024 * 1024;

// ---------------------------------------------------------------------------
// The list in memory (program-wide, one instance each).
//
// Tools are counted from 1, as the user sees them: tool k is ToolList[k - 1].
// The list has no fixed size; it owns its records. The count is not kept in
// a separate variable but read from the list by ToolCount(), so the two can
// never disagree.

extern std::vector<std::unique_ptr<TToolRecord>> ToolList;

// The tool being edited in the editor: 0 for none, k for tool k.
extern std::size_t SelectedTool;

std::size_t ToolCount();

// Tool k, counted from 1; k must lie in 1..ToolCount().
TToolRecord& Tool(std::size_t k);

// Adds a new empty tool at the end of the list and returns it; the caller
// fills its fields.
TToolRecord& AppendTool();

// Removes tool k (from 1); the tools after it move up one place in order.
// SelectedTool keeps pointing at the same record: it becomes 0 if that was
// tool k and drops by one if it stood after it.
void RemoveTool(std::size_t k);

// Stores four texts into a tool, each cut to its first ToolFieldMax characters.
void FillTool(TToolRecord& tool, const QString& title, const QString& file, const QString& dir,
              const QString& params);

// Position of the first character of a field's text that the list file
// cannot hold, or -1. Besides characters outside Windows-1252, CR (which
// would end the line early) and Ctrl-Z (which would end the whole file) are
// refused, so a saved field always loads back as it was. The whole text
// given is checked, although only its first ToolFieldMax characters are
// ever stored.
qsizetype ToolFieldBadChar(QStringView text);

// ---------------------------------------------------------------------------
// Reading.

// A text file open for reading by the list file's line rules:
//  - a line ends at CR; a single LF right after that CR belongs to the line
//    end; any other LF is an ordinary character;
//  - the data end at the physical end of the file or at the first Ctrl-Z
//    (0x1A), wherever it stands; nothing after a Ctrl-Z is read.
// Reading is buffered, so a file of any size is read in bounded memory.
class TTextIn {
public:
    TTextIn();
    ~TTextIn();
    TTextIn(const TTextIn&) = delete;
    TTextIn& operator=(const TTextIn&) = delete;

    // Reads from a device already open for reading, and owns it from now on.
    void bind(std::unique_ptr<QIODevice> device);
    bool isOpen() const { return device_ != nullptr; }
    void close();

    // True at the end of the data, and also once a read has failed (see ok()).
    bool atEnd();

    // Reads one line: field receives its first ToolFieldMax characters (empty
    // at the end of the data), and the rest of the line, up to and including
    // its end, is skipped. False if a read failed.
    bool readLine(QString& field);

    // False once a read has failed; errorString() then gives the reason.
    bool ok() const { return !failed_; }
    QString errorString() const { return error_; }

private:
    bool fill();

    std::unique_ptr<QIODevice> device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qsizetype len_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    QString error_;
};

// What a read of the list file found: a regular file read whole (None),
// nothing of that name, or why it could not be read (SafeFile.h).
using TToolFileFault = TFileFault;
using TToolFileContent = TFileContent;

// Reads a list file whole by the rules of ReadRegularFile, if what it names
// is a regular file of at most ToolFileMaxBytes.
TToolFileContent ReadToolFile(const QString& name);

// Opens a file for reading as ReadToolFile finds it; false (and the handle
// left alone) if none exists or it cannot be read, a folder, a device or a
// file over ToolFileMaxBytes included.
bool OpenTextRead(TTextIn& file, const QString& name, QString* error = nullptr);

// Reads four lines into Title, File, Dir and Params in turn. Lines missing
// at the end of the data leave their fields empty, which is no error.
bool ReadTool(TToolRecord& tool, TTextIn& file, QString* error = nullptr);

// Appends tools read from an open file to the list until the data end, then
// closes it. On a read error it stops at once: the tools read before, and the
// one being read with what it received, stay in the list.
bool ReadTools(TTextIn& file, QString* error = nullptr);

// Replaces the list by the content of ToolFile in the current directory and
// clears SelectedTool. A missing, unopenable or unreadable file gives false,
// with the list empty (or holding what was read before a read error); an
// empty file gives true and an empty list. A regular file of any bytes up to
// ToolFileMaxBytes loads; anything else counts as unreadable (ReadToolFile).
// What was found is kept for CheckToolFile.
bool LoadTools(QString* error = nullptr);

// What the last LoadTools found in the file (or the last SaveTools wrote).
const TToolFileContent& LoadedToolFile();

// The tools of a list file's bytes, found in one pass without decoding them,
// so that a tools menu of any length costs little until its items are shown:
// each tool's text is made when it is asked for. The tools are those that
// ReadTools would read from the same bytes.
class TToolIndex {
public:
    TToolIndex() = default;
    explicit TToolIndex(QByteArray bytes);
    std::size_t count() const { return starts_.size(); }
    // Tool k, counted from 1; k must lie in 1..count().
    TToolRecord tool(std::size_t k) const;

private:
    QByteArray bytes_;
    qsizetype end_ = 0; // where the data end: the first Ctrl-Z, or the size
    std::vector<qsizetype> starts_;
};

// ---------------------------------------------------------------------------
// Writing.

// Where a save writes its bytes: the program's one kind of sink
// (SafeFile.h), renamed here for the tests of the list that name it.
using TToolSink = TFileSink;
using TSaveFileSink = TAtomicFileSink;

using TToolSinkFactory = TFileSinkFactory;

// Sets what SaveTools (and every other write) goes through: SetFileSinkFactory.
inline TToolSinkFactory SetToolSinkFactory(TToolSinkFactory factory) {
    return SetFileSinkFactory(std::move(factory));
}

// Starts writing a file of that name; the old file stays until commit.
bool CreateText(TToolSink& file, const QString& name, QString* error = nullptr);

// Writes Title, File, Dir and Params, each cut to ToolFieldMax characters and
// followed by CR LF. A field the file cannot hold (ToolFieldBadChar) is
// refused before anything of the tool is written.
bool WriteTool(const TToolRecord& tool, TToolSink& file, QString* error = nullptr);

// Writes the list to ToolFile in the current directory, atomically: on any
// failure the old file (or its absence) stays exactly as it was, and the list
// in memory is never touched. A list holding text the file cannot hold is
// refused before the file is opened, the reason naming the tool and field;
// so is a ToolFile (or the target of a link of that name) that exists but is
// not a regular file. Only where the file has to be written in place
// (TToolSink::inPlace) can a failure part way leave it cut short.
bool SaveTools(QString* error = nullptr);

// How ToolFile stands now against what the last LoadTools found.
enum class TToolFileCheck {
    Unchanged,  // the same bytes, or still no file
    Changed,    // another program wrote, made or removed it since
    NotRegular, // it is there but no regular file: it must not be written
    Unread,     // it could not be read then: what it holds was never seen
};

// Compares ToolFile with LoadedToolFile, byte for byte. For NotRegular and
// Unread, reason says why.
TToolFileCheck CheckToolFile(QString* reason = nullptr);
