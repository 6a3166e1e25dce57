#include "transfer/TransferStream.h"

#include <algorithm>

namespace sendrik {

namespace {

bool Contains(const ByteSequence& seq, std::uint8_t b) {
    return std::find(seq.begin(), seq.end(), b) != seq.end();
}

bool IsWhite(std::uint8_t b) {
    return b == ' ' || (b >= 9 && b <= 13);
}

bool AllWhite(const ByteSequence& seq) {
    return std::all_of(seq.begin(), seq.end(), IsWhite);
}

bool IsPrintable(std::uint8_t b) {
    return (b >= 32 && b <= 126) || b == 9 || b == 10 || b == 13;
}

}  // namespace

ByteSequence DetectLineEndOf(const ByteSequence& run, bool cut) {
    const std::size_t n = run.size();
    for (std::size_t k = 1; k <= n / 2; ++k) {
        if (!cut && n % k != 0) continue;
        bool repeats = true;
        for (std::size_t i = k; i < n && repeats; ++i) repeats = run[i] == run[i % k];
        if (repeats) return ByteSequence(run.begin(), run.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return run;
}

std::size_t LineEndFallback(const ByteSequence& pending, const ByteSequence& eol) {
    for (std::size_t d = 0; d < pending.size(); ++d) {
        const std::size_t len = pending.size() - d;
        if (len <= eol.size() && std::equal(pending.begin() + static_cast<std::ptrdiff_t>(d),
                                            pending.end(), eol.begin()))
            return d;
    }
    return pending.size();
}

std::size_t CFileReader::Read(std::uint8_t* buffer, std::size_t capacity) {
    return std::fread(buffer, 1, capacity, m_file);
}

void CFileWriter::Write(const std::uint8_t* bytes, std::size_t count) {
    if (count > 0 && std::fwrite(bytes, 1, count, m_file) != count) m_bFailed = true;
}

CTransferStream::CTransferStream(const TRANSFER_CONFIG& config, int& stopFlag, CWriter& writer)
    : m_config(config), m_stop(stopFlag), m_writer(writer) {}

void CTransferStream::Begin() {
    m_commentState = 0;
    m_bInLineNumber = false;
    m_lineNumberHold.clear();
    m_nPercent = 0;
    m_bPercentStop = false;
    m_bCommentSeen = false;
    m_line.clear();
    m_bLinePartWritten = false;
    m_bLineContentWritten = false;
    m_pending.clear();
    m_detectPending.clear();
    m_detectBuffer.clear();
    m_eol = m_config.m_eolRecognize;
    m_bAutoEol = m_eol.empty();
    m_stop = 0;
    WriteBytes(m_config.m_header);
}

void CTransferStream::End() {
    // Bytes still held by the detection are processed even after Cancel: a receive
    // keeps them in its file (a send's port writer writes nothing once stopped).
    if (m_bAutoEol && (!m_detectBuffer.empty() || !m_detectPending.empty())) EndDetection(false);
    if (!m_bPercentStop && !m_lineNumberHold.empty()) {
        const std::string hold = std::move(m_lineNumberHold);
        m_lineNumberHold.clear();
        for (char c : hold) CharStep(static_cast<std::uint8_t>(c));
    }
    FinishPendingOutput();
    WriteBytes(m_config.m_trailer);
}

void CTransferStream::Process(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count && m_stop == 0; ++i) ProcessChar(bytes[i]);
}

void CTransferStream::ProcessChar(std::uint8_t b) {
    if (m_bPercentStop) return;
    if (m_bAutoEol) {
        DetectLineEnd(b);
        return;
    }
    if (m_config.m_nSkipComments != 0 && InComment(b)) return;
    if (m_config.m_bSkipLineNumbers) {
        if (TakeLineNumberByte(b)) return;
        if (!m_lineNumberHold.empty()) {
            const std::string hold = std::move(m_lineNumberHold);
            m_lineNumberHold.clear();
            for (char c : hold) CharStep(static_cast<std::uint8_t>(c));
        }
    }
    // A configured line end may be made of control bytes (RS, ETX ...): those bytes are
    // the line end, not noise, and dropping them would run every line into one.
    if (m_config.m_bSkipNonPrintable && !IsPrintable(b) && !Contains(m_eol, b)) return;
    CharStep(b);
}

void CTransferStream::CharStep(std::uint8_t b) {
    if (m_bPercentStop) return;
    if (Contains(m_eol, b)) {
        MatchLineEndByte(b);
        return;
    }
    for (std::uint8_t p : m_pending) AppendOrdinary(p);
    m_pending.clear();
    AppendToLine(b);
    if (m_config.m_bCheckPercent && b == '%' && ++m_nPercent >= 2) {
        FinishPendingOutput();
        m_bPercentStop = true;
        m_stop = 1;
    }
}

void CTransferStream::MatchLineEndByte(std::uint8_t b) {
    m_pending.push_back(b);
    // The line end may start afresh inside the bytes taken: give up as ordinary bytes
    // only those that cannot belong to it (A CR CR LF is the line "A CR").
    const std::size_t drop = LineEndFallback(m_pending, m_eol);
    for (std::size_t i = 0; i < drop; ++i) AppendOrdinary(m_pending[i]);
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(drop));
    if (!m_pending.empty() && m_pending == m_eol) CompleteLine();
}

void CTransferStream::AppendOrdinary(std::uint8_t b) {
    // Line-end bytes that turned out not to end the line are text again, and the
    // non-printable filter they were let through applies to them after all.
    if (m_config.m_bSkipNonPrintable && !IsPrintable(b)) return;
    AppendToLine(b);
}

void CTransferStream::AppendToLine(std::uint8_t b) {
    if (m_line.size() >= kFlushSize) WriteLinePart();
    m_line.push_back(b);
}

void CTransferStream::WriteLinePart() {
    if (m_line.empty()) return;
    m_bLinePartWritten = true;
    if (!AllWhite(m_line)) m_bLineContentWritten = true;
    WriteBytes(m_line);
    m_line.clear();
}

bool CTransferStream::LineHoldsContent() const {
    return m_bLineContentWritten || !AllWhite(m_line);
}

void CTransferStream::CompleteLine() {
    // A line part of which is already written can no longer be dropped: dropping its
    // line end would join it to the next line.
    if (!m_bLinePartWritten && AllWhite(m_line) && (m_config.m_bSkipEmptyLines || m_bCommentSeen)) {
        m_line.clear();
        m_pending.clear();
        m_bCommentSeen = false;
        return;
    }
    m_bInLineNumber = false;
    m_bCommentSeen = false;
    m_commentState &= ~kCommentSemicolon;
    const ByteSequence& end = m_config.m_bReplaceEol ? m_config.m_eolReplace : m_pending;
    m_line.insert(m_line.end(), end.begin(), end.end());
    m_pending.clear();
    const std::string text(m_line.begin(), m_line.end());
    WriteBytes(m_line);
    m_line.clear();
    m_bLinePartWritten = false;
    m_bLineContentWritten = false;
    for (ITransferLineSubscriber* subscriber : m_subscribers) subscriber->OnLine(text);
}

void CTransferStream::Flush() {
    for (std::uint8_t p : m_pending) AppendOrdinary(p);
    m_pending.clear();
    WriteLinePart();
}

void CTransferStream::FinishPendingOutput() {
    if (m_line.empty() && m_pending.empty()) return;
    if (!m_eol.empty() && m_pending == m_eol)
        CompleteLine();
    else
        Flush();
}

bool CTransferStream::InComment(std::uint8_t b) {
    const int configured = m_config.m_nSkipComments;
    if (b == '(' && (configured & kCommentParen)) {
        m_commentState |= kCommentParen;
        m_bCommentSeen = true;
    } else if (b == '[' && (configured & kCommentBracket)) {
        m_commentState |= kCommentBracket;
        m_bCommentSeen = true;
    } else if (b == ';' && (configured & kCommentSemicolon)) {
        if (!(m_commentState & kCommentSemicolon)) {
            // Line-end bytes taken before the comment are ordinary bytes of the line.
            for (std::uint8_t p : m_pending) AppendOrdinary(p);
            m_pending.clear();
        }
        m_commentState |= kCommentSemicolon;
        m_bCommentSeen = true;
    }
    bool inside = m_commentState != 0;

    if ((m_commentState & kCommentParen) && b == ')') {
        m_commentState &= ~kCommentParen;
    } else if ((m_commentState & kCommentBracket) && b == ']') {
        m_commentState &= ~kCommentBracket;
    } else if (m_commentState & kCommentSemicolon) {
        if (m_eol.empty()) {
            // No line end is known: the comment ends at the next CR or LF, which stays.
            if (b == 13 || b == 10) {
                m_commentState &= ~kCommentSemicolon;
                inside = m_commentState != 0;
            }
        } else if (Contains(m_eol, b)) {
            m_pending.push_back(b);
            const std::size_t drop = LineEndFallback(m_pending, m_eol);
            m_pending.erase(m_pending.begin(),
                            m_pending.begin() + static_cast<std::ptrdiff_t>(drop));
            if (!m_pending.empty() && m_pending == m_eol) {
                m_commentState &= ~kCommentSemicolon;
                CompleteLine();
            }
        } else {
            // A lone line-end byte inside the comment is comment text.
            m_pending.clear();
        }
    }
    return inside;
}

bool CTransferStream::TakeLineNumberByte(std::uint8_t b) {
    if (!m_bInLineNumber) {
        if (b == 'N') {
            m_bInLineNumber = true;
            m_lineNumberHold.clear();
            return true;
        }
        if (b == '/' && m_lineNumberHold.empty()) {
            m_lineNumberHold.push_back('/');
            return true;
        }
        return false;
    }
    if (b >= '0' && b <= '9') return true;
    if (b == ' ' || (b >= 9 && b <= 13)) {
        // After "X1 N5" the line end still ends the line; only a line that holds
        // nothing but the number goes with it. Without a known line end, CR and LF are
        // the text's own line breaks and always stay.
        const bool breaks =
            m_eol.empty() ? (b == 13 || b == 10) : Contains(m_eol, b) && LineHoldsContent();
        if (breaks) {
            m_bInLineNumber = false;
            return false;
        }
        return true;
    }
    m_bInLineNumber = false;
    return false;
}

void CTransferStream::DetectLineEnd(std::uint8_t b) {
    if (b == 13 || b == 10) {
        m_detectPending.push_back(b);
        // A long run of line-end bytes (blank lines) decides the line end by itself.
        if (m_detectPending.size() >= kDetectLimit) EndDetection(true);
        return;
    }
    if (m_detectPending.empty()) {
        m_detectBuffer.push_back(b);
        if (m_detectBuffer.size() >= kDetectLimit) {
            m_bAutoEol = false;
            m_eol.clear();
            const ByteSequence held = std::move(m_detectBuffer);
            m_detectBuffer.clear();
            FeedHeld(held);
        }
        return;
    }
    EndDetection(false);
    ProcessChar(b);
}

void CTransferStream::EndDetection(bool cut) {
    // The line-end bytes are set aside before the held text is fed, so they end the
    // first line instead of being taken into it.
    const ByteSequence lineEnd = std::move(m_detectPending);
    m_detectPending.clear();
    m_eol = DetectLineEndOf(lineEnd, cut);
    m_bAutoEol = false;
    const ByteSequence held = std::move(m_detectBuffer);
    m_detectBuffer.clear();
    FeedHeld(held);
    FeedHeld(lineEnd);
}

void CTransferStream::FeedHeld(const ByteSequence& bytes) {
    for (std::uint8_t b : bytes) {
        if (m_bPercentStop) break;
        ProcessChar(b);
    }
}

void CTransferStream::WriteBytes(const ByteSequence& bytes) {
    if (!bytes.empty()) m_writer.Write(bytes.data(), bytes.size());
}

}  // namespace sendrik
