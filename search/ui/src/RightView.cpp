#include "search/ui/RightView.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QPointer>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <system_error>

#include "common/Cp1252.h"
#include "search/SearchStream.h"
#include "search/TextEncoding.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

namespace {

// Up to this many occurrences are marked once for the whole text; beyond it only those
// on screen are, so painting stays cheap.
constexpr std::size_t kMarkAllLimit = 2000;
constexpr std::size_t kFileBlock = 1 << 20;

// Turns the file's bytes into the text the view shows and remembers where the search's
// positions (every byte but carriage returns) land in it. A CR LF pair is one line end,
// and so is a lone CR, which the search does not count. A line longer than
// kMaxLineBytes is broken into several: the text view lays a line out whole whenever it
// grows or is painted, so one huge line (a binary file, a program without line ends)
// would never finish loading. The text is UTF-8 when the whole file is, else
// Windows-1252; the caller decides before the first byte.
class CTextDecoder {
public:
    static constexpr std::size_t kMaxLineBytes = 8192;

    explicit CTextDecoder(bool utf8) : m_utf8(utf8) {}

    QString Convert(std::string_view bytes, bool last) {
        std::string out;
        out.reserve(bytes.size() + bytes.size() / kMaxLineBytes + 1);
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (m_pendingCr) {
                m_pendingCr = false;
                if (b != '\n') AddLineEnd(out);
            }
            if (b == '\r') {
                m_pendingCr = true;
                continue;
            }
            if (b == '\n') {
                m_column = 0;
            } else if (m_column >= kMaxLineBytes &&
                       (!m_utf8 || (b & 0xC0) != 0x80 || m_column >= kMaxLineBytes + 3)) {
                // Never inside a UTF-8 character.
                AddLineEnd(out);
            }
            if (b != '\n') ++m_column;
            out.push_back(c);
            // The shown text has Utf16Units(b) characters for this one position.
            const int units = Utf16Units(b, m_utf8);
            ++m_enginePos;
            if (units != 1) {
                m_delta += units - 1;
                Record();
            }
        }
        if (last && m_pendingCr) {
            m_pendingCr = false;
            AddLineEnd(out);
        }

        QString text = m_utf8 ? QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()))
                              : QString::fromStdString(common::Cp1252ToUtf8(out));
        text.replace(QChar(0), QChar(0x2400));  // a NUL would end the line's drawing
        return text;
    }

    // Where the character at the search's position `pos` starts in the shown text.
    std::int64_t DisplayPosition(std::int64_t pos) const { return pos + DeltaAt(pos); }
    // Where the text of the positions before `pos` ends, leaving out a line end the view
    // added just before `pos`.
    std::int64_t DisplayEnd(std::int64_t pos) const {
        const bool added = std::binary_search(m_addedLineEnds.begin(), m_addedLineEnds.end(), pos);
        return DisplayPosition(pos) - (added ? 1 : 0);
    }

private:
    std::int64_t DeltaAt(std::int64_t pos) const {
        const auto it = std::upper_bound(m_deltas.begin(), m_deltas.end(), pos,
                                         [](std::int64_t p, const auto& d) { return p < d.first; });
        return it == m_deltas.begin() ? 0 : std::prev(it)->second;
    }

    // From m_enginePos on, the shown text is m_delta characters ahead.
    void Record() {
        if (!m_deltas.empty() && m_deltas.back().first == m_enginePos)
            m_deltas.back().second = m_delta;
        else
            m_deltas.emplace_back(m_enginePos, m_delta);
    }

    // A line end the search did not count, before the character at m_enginePos.
    void AddLineEnd(std::string& out) {
        m_addedLineEnds.push_back(m_enginePos);
        ++m_delta;
        Record();
        out.push_back('\n');
        m_column = 0;
    }

    std::vector<std::pair<std::int64_t, std::int64_t>> m_deltas;
    std::vector<std::int64_t> m_addedLineEnds;
    std::int64_t m_enginePos = 0;
    std::int64_t m_delta = 0;
    std::size_t m_column = 0;
    bool m_pendingCr = false;
    bool m_utf8 = true;
};

// Whether the first `limit` bytes of the file are UTF-8 (a character cut at the limit
// aside).
bool IsUtf8File(std::ifstream& in, std::uint64_t limit) {
    CUtf8Validator validator;
    std::string block(kFileBlock, '\0');
    while (limit > 0 && in) {
        in.read(block.data(),
                static_cast<std::streamsize>(std::min<std::uint64_t>(kFileBlock, limit)));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        limit -= got;
        if (!validator.Feed(reinterpret_cast<const unsigned char*>(block.data()), got)) break;
    }
    const bool utf8 = limit == 0 ? validator.Valid() : validator.Finish();
    in.clear();
    in.seekg(0);
    return utf8;
}

// The occurrences of the result's words in the file as it is now, found as the search
// found them.
std::vector<CFoundWord> FindOccurrences(const std::filesystem::path& path,
                                        const CSearchPattern& pattern) {
    std::vector<CFoundWord> found;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return found;
    CSearchStream stream(pattern.words, pattern.ignoreCase, pattern.limitLines, pattern.lines);
    stream.SetOccurrenceLimit(CRightView::kMaxMarks);
    stream.ScanFile(fd, found, {});
    ::close(fd);
    return found;
}

}  // namespace

CRightView::CRightView(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent)
    : QPlainTextEdit(parent), m_doc(doc), m_prompts(prompts) {
    setObjectName(QStringLiteral("rightView"));
    setReadOnly(true);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(font);
    // The selected occurrence shows darker than the others, so Next and Previous
    // show where they went.
    QPalette pal = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(128, 0, 0));
        pal.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
    }
    setPalette(pal);

    connect(&doc, &CScarrowDoc::Updated, this, &CRightView::OnDocUpdated);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { UpdateVisibleMarks(); });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CRightView::NavigationChanged);
    connect(this, &QPlainTextEdit::selectionChanged, this, &CRightView::NavigationChanged);
}

CRightView::~CRightView() = default;

void CRightView::OnDocUpdated(QObject* sender, int hint, CSearchResult* result) {
    if (sender == this) return;
    if (hint == CScarrowDoc::HintCleared) {
        Clear();
    } else if (hint == CScarrowDoc::HintShow && result) {
        // Nothing may leave an event handler: a file too big for the memory is told.
        try {
            ShowResult(result);
        } catch (const std::exception& e) {
            const QString path = PathToQString(result->m_strPath);
            Clear();
            m_prompts.ShowMessage(window(),
                                  QStringLiteral("Unable to show file %1: %2")
                                      .arg(path, QString::fromLocal8Bit(e.what())),
                                  IUserPrompts::Icon::Warning);
        }
    }
}

void CRightView::Clear() {
    ++m_generation;
    m_result = nullptr;
    m_loading = false;
    m_marks.clear();
    setExtraSelections({});
    clear();
    emit NavigationChanged();
}

void CRightView::ShowResult(CSearchResult* result) {
    Clear();
    if (!result) return;
    const std::uint64_t generation = m_generation;
    const std::filesystem::path path(result->m_strPath);
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    const bool isFolder = std::filesystem::is_directory(path, ec);
    if (!in || isFolder) {
        m_prompts.ShowMessage(
            window(),
            QStringLiteral("Unable to open file %1").arg(PathToQString(result->m_strPath)),
            IUserPrompts::Icon::Warning);
        return;
    }
    m_result = result;
    m_loading = true;
    emit NavigationChanged();

    const std::uintmax_t fileSize = std::filesystem::file_size(path, ec);
    const bool cut = !ec && fileSize > kMaxShownBytes;
    std::uint64_t left = cut ? kMaxShownBytes : std::numeric_limits<std::uint64_t>::max();

    QPointer<CRightView> self(this);
    CBusyCursor busy(true);
    const std::vector<CFoundWord> occurrences =
        result->m_pattern ? FindOccurrences(path, *result->m_pattern) : result->m_foundWords;
    CTextDecoder decoder(IsUtf8File(in, cut ? kMaxShownBytes : fileSize));
    QTextCursor cursor(document());
    std::string block(kFileBlock, '\0');
    QString pending;
    bool last = false;
    while (!last) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kFileBlock, left));
        in.read(block.data(), static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in.gcount());
        left -= got;
        last = got < want || left == 0 || in.bad();
        pending += decoder.Convert(std::string_view(block.data(), got), last);
        if (pending.size() >= m_chunkChars || last) {
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(pending);
            pending.clear();
            if (!last) {
                QCoreApplication::processEvents();
                // Another file was chosen, or the window went away, while we pumped.
                if (!self || generation != m_generation) return;
            }
        }
    }

    const int textLength = document()->characterCount() - 1;
    m_marks.reserve(occurrences.size());
    for (const CFoundWord& found : occurrences) {
        const std::int64_t start = decoder.DisplayPosition(found.m_nPos);
        if (start >= textLength) break;
        const std::int64_t end =
            std::min<std::int64_t>(decoder.DisplayEnd(found.m_nPos + found.m_nLength), textLength);
        m_marks.push_back({static_cast<int>(start), static_cast<int>(end - start)});
    }
    m_loading = false;
    ApplyMarks();
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    emit NavigationChanged();

    if (cut)
        m_prompts.ShowMessage(
            window(),
            QStringLiteral("%1 is larger than %2 MB: only its first %2 MB are shown.")
                .arg(PathToQString(result->m_strPath))
                .arg(kMaxShownBytes >> 20),
            IUserPrompts::Icon::Information);
}

namespace {

QTextEdit::ExtraSelection MarkSelection(QTextDocument* doc, const CRightView::Mark& mark) {
    QTextEdit::ExtraSelection sel;
    sel.cursor = QTextCursor(doc);
    sel.cursor.setPosition(mark.start);
    sel.cursor.setPosition(mark.start + mark.length, QTextCursor::KeepAnchor);
    sel.format.setForeground(QColor(255, 255, 255));
    sel.format.setBackground(QColor(255, 0, 0));
    return sel;
}

}  // namespace

void CRightView::ApplyMarks() {
    m_markAllAtOnce = m_marks.size() <= kMarkAllLimit;
    if (!m_markAllAtOnce) {
        UpdateVisibleMarks();
        return;
    }
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(static_cast<qsizetype>(m_marks.size()));
    for (const Mark& mark : m_marks) selections.push_back(MarkSelection(document(), mark));
    setExtraSelections(selections);
}

void CRightView::UpdateVisibleMarks() {
    if (m_markAllAtOnce || m_loading || m_marks.empty()) return;
    const int first = firstVisibleBlock().position();
    const QTextCursor bottom = cursorForPosition(QPoint(viewport()->width(), viewport()->height()));
    const int last = bottom.block().position() + bottom.block().length();
    // A mark may start a little above the first visible line and run into it.
    auto it = std::lower_bound(m_marks.begin(), m_marks.end(), first - 256,
                               [](const Mark& m, int pos) { return m.start < pos; });
    QList<QTextEdit::ExtraSelection> selections;
    for (; it != m_marks.end() && it->start <= last; ++it)
        if (it->start + it->length >= first) selections.push_back(MarkSelection(document(), *it));
    setExtraSelections(selections);
}

void CRightView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    UpdateVisibleMarks();
}

bool CRightView::CanGoNext() const {
    if (!m_result || m_loading || m_marks.empty()) return false;
    const QTextCursor c = textCursor();
    // With nothing selected an occurrence right at the caret counts as ahead: the
    // first word of a file is reached too.
    return c.hasSelection() ? m_marks.back().start > c.selectionEnd()
                            : m_marks.back().start >= c.position();
}

bool CRightView::CanGoPrevious() const {
    if (!m_result || m_loading || m_marks.empty()) return false;
    return m_marks.front().start < textCursor().selectionStart();
}

void CRightView::NextOccurrence() {
    setFocus();
    const QTextCursor c = textCursor();
    if (!m_loading) {
        for (const Mark& mark : m_marks) {
            if (c.hasSelection() ? mark.start > c.selectionStart() : mark.start >= c.position()) {
                SelectMark(mark);
                return;
            }
        }
    }
    m_prompts.Beep();
}

void CRightView::PreviousOccurrence() {
    setFocus();
    const int start = textCursor().selectionStart();
    if (!m_loading) {
        for (auto it = m_marks.rbegin(); it != m_marks.rend(); ++it) {
            if (it->start < start) {
                SelectMark(*it);
                return;
            }
        }
    }
    m_prompts.Beep();
}

void CRightView::SelectMark(const Mark& mark) {
    QTextCursor c(document());
    c.setPosition(mark.start);
    c.setPosition(mark.start + mark.length, QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

CSplitFrame::CSplitFrame(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_view(new CRightView(doc, prompts, this)), m_toolBar(new QToolBar(this)) {
    setObjectName(QStringLiteral("splitFrame"));
    m_toolBar->setObjectName(QStringLiteral("occurrenceBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_next = m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowDown),
                                  QStringLiteral("Next occurrence"));
    m_next->setObjectName(QStringLiteral("actionNextOccurrence"));
    m_next->setToolTip(QStringLiteral("Next occurrence (F3)"));
    m_next->setShortcut(QKeySequence(Qt::Key_F3));
    m_next->setShortcutContext(Qt::WindowShortcut);
    m_previous = m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowUp),
                                      QStringLiteral("Previous occurrence"));
    m_previous->setObjectName(QStringLiteral("actionPreviousOccurrence"));
    m_previous->setToolTip(QStringLiteral("Previous occurrence (Shift+F3)"));
    m_previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    m_previous->setShortcutContext(Qt::WindowShortcut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);

    connect(m_next, &QAction::triggered, m_view, &CRightView::NextOccurrence);
    connect(m_previous, &QAction::triggered, m_view, &CRightView::PreviousOccurrence);
    connect(m_view, &CRightView::NavigationChanged, this, &CSplitFrame::UpdateActions);
    UpdateActions();
}

void CSplitFrame::UpdateActions() {
    m_next->setEnabled(m_view->CanGoNext());
    m_previous->setEnabled(m_view->CanGoPrevious());
}

}  // namespace scarrow::ui
