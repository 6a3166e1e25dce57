#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "transfer/PortConfig.h"

namespace sendrik {

// A byte source: Read returns the number of bytes read, 0 meaning nothing now (port)
// or end of file.
class CReader {
public:
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t capacity) = 0;

protected:
    ~CReader() = default;
};

// A byte sink.
class CWriter {
public:
    virtual void Write(const std::uint8_t* bytes, std::size_t count) = 0;

protected:
    ~CWriter() = default;
};

// Told of every finished line with its text as written, line end included.
class ITransferLineSubscriber {
public:
    virtual void OnLine(const std::string& text) = 0;

protected:
    ~ITransferLineSubscriber() = default;
};

// Reads an open file; the caller keeps ownership of the FILE.
class CFileReader final : public CReader {
public:
    explicit CFileReader(std::FILE* file) : m_file(file) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;

private:
    std::FILE* m_file;
};

// Writes to an open file; the caller keeps ownership of the FILE. Failed() tells
// whether a write was short (disk full, I/O error).
class CFileWriter final : public CWriter {
public:
    explicit CFileWriter(std::FILE* file) : m_file(file) {}
    void Write(const std::uint8_t* bytes, std::size_t count) override;
    bool Failed() const { return m_bFailed; }

private:
    std::FILE* m_file;
    bool m_bFailed = false;
};

// Writes into memory; used by tests, the fuzzer and the benchmark.
class CBufferWriter final : public CWriter {
public:
    void Write(const std::uint8_t* bytes, std::size_t count) override {
        m_data.append(reinterpret_cast<const char*>(bytes), count);
    }
    std::string m_data;
};

// The line processor of one transfer: cuts the bytes into lines at the configured or
// detected line end, applies the options of a direction, writes the result through a
// writer with the header before it and the trailer after it, and tells subscribers of
// every finished line.
class CTransferStream {
public:
    // `stopFlag` belongs to the window: Cancel sets it, and so does the stream at the
    // second "%". The stream stops taking bytes once it is set.
    CTransferStream(const TRANSFER_CONFIG& config, int& stopFlag, CWriter& writer);
    virtual ~CTransferStream() = default;

    virtual void Begin();
    virtual void End();
    virtual void ProcessChar(std::uint8_t b);
    virtual void Process(const std::uint8_t* bytes, std::size_t count);

    void AddSubscriber(ITransferLineSubscriber* subscriber) { m_subscribers.push_back(subscriber); }

    // The line end in use (configured or detected); empty while detecting or when
    // detection gave up.
    const ByteSequence& LineEnd() const { return m_eol; }
    bool DetectingLineEnd() const { return m_bAutoEol; }
    // The transfer ended at its second "%" (rather than by Cancel).
    bool EndedAtPercent() const { return m_bPercentStop; }

    // Detection gives up after this many bytes without a line end.
    static constexpr std::size_t kDetectLimit = 128;
    // A longer line is written in pieces.
    static constexpr std::size_t kFlushSize = 1024;

private:
    void CharStep(std::uint8_t b);
    void AppendOrdinary(std::uint8_t b);
    void MatchLineEndByte(std::uint8_t b);
    void CompleteLine();
    void Flush();
    void FinishPendingOutput();
    bool InComment(std::uint8_t b);
    bool TakeLineNumberByte(std::uint8_t b);
    void DetectLineEnd(std::uint8_t b);
    void EndDetection(bool cut);
    void FeedHeld(const ByteSequence& bytes);
    bool LineHoldsContent() const;
    void WriteBytes(const ByteSequence& bytes);
    void AppendToLine(std::uint8_t b);
    void WriteLinePart();

    const TRANSFER_CONFIG& m_config;
    int& m_stop;
    CWriter& m_writer;
    std::vector<ITransferLineSubscriber*> m_subscribers;

    int m_nPercent = 0;
    bool m_bPercentStop = false;
    bool m_bInLineNumber = false;
    std::string m_lineNumberHold;
    bool m_bCommentSeen = false;
    bool m_bAutoEol = false;
    ByteSequence m_line;
    bool m_bLinePartWritten = false;     // part of this line was flushed at 1024 bytes
    bool m_bLineContentWritten = false;  // ... and that part held more than white space
    ByteSequence m_eol;
    ByteSequence m_pending;
    ByteSequence m_detectPending;
    ByteSequence m_detectBuffer;
    int m_commentState = 0;
};

// Pieces of the line processor, kept apart so each has its own table of cases.

// The line end that a run of line-end bytes shows: the shortest prefix the run is an
// exact repetition of, else the whole run ("13,10,13,10" gives "13,10"; "13,13,10" stays).
// With `cut` (the run was cut short at the detection limit) a run that repeats a prefix
// and stops partway through a repetition also counts.
ByteSequence DetectLineEndOf(const ByteSequence& run, bool cut = false);

// Line-end matching state: returns how many leading bytes of `pending` must be given up
// as ordinary bytes so that the rest is again the beginning of `eol` (the last bytes
// taken may start the line end afresh: with CR LF, "CR CR" gives up one CR).
std::size_t LineEndFallback(const ByteSequence& pending, const ByteSequence& eol);

}  // namespace sendrik
