#include "search/ui/RightView.h"

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
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

namespace {

// Up to this many occurrences are marked once for the whole text; beyond it only those
// on screen are, so painting stays cheap.
constexpr std::size_t kMarkAllLimit = 2000;
constexpr std::size_t kFileBlock = 1 << 20;

// Turns the file's bytes into the text the view shows, keeping the positions the
// search counted: a CR LF pair is one line end, and so is a lone CR, which the search
// does not count. A line longer than kMaxLineBytes is broken into several: the text
// view lays a line out whole whenever it grows or is painted, so one huge line (a
// binary file, a program without line ends) would never finish loading. The search's
// positions of both kinds of added line end are remembered to shift the marks.
// Everything up to the first byte of 128 or above is ASCII, one character per byte;
// the rest is read as UTF-8 when it is valid, else as Windows-1252.
class CTextDecoder {
public:
    static constexpr std::size_t kMaxLineBytes = 8192;

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
                       (!IsUtf8Continuation(b) || m_column >= kMaxLineBytes + 3)) {
                // Never inside a UTF-8 character, unless the bytes are no UTF-8 anyway.
                AddLineEnd(out);
            }
            if (b >= 128) m_asciiSoFar = false;
            if (m_asciiSoFar) ++m_enginePos;
            if (b != '\n') ++m_column;
            out.push_back(c);
        }
        if (last && m_pendingCr) {
            m_pendingCr = false;
            AddLineEnd(out);
        }

        QString text;
        if (m_utf8) {
            text = m_decoder.decode(QByteArrayView(out.data(), static_cast<qsizetype>(out.size())));
            if (m_decoder.hasError()) m_utf8 = false;
        }
        if (!m_utf8) text = QString::fromStdString(common::Cp1252ToUtf8(out));
        text.replace(QChar(0), QChar(0x2400));  // a NUL would end the line's drawing
        return text;
    }

    // Where the search's position `pos` is in the shown text.
    std::int64_t DisplayPosition(std::int64_t pos) const {
        const auto before = std::upper_bound(m_addedLineEnds.begin(), m_addedLineEnds.end(), pos) -
                            m_addedLineEnds.begin();
        return pos + before;
    }

private:
    static bool IsUtf8Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

    // A line end the search did not count, before the character at m_enginePos.
    void AddLineEnd(std::string& out) {
        if (m_asciiSoFar) m_addedLineEnds.push_back(m_enginePos);
        out.push_back('\n');
        m_column = 0;
    }

    QStringDecoder m_decoder{QStringDecoder::Utf8};
    std::vector<std::int64_t> m_addedLineEnds;
    std::int64_t m_enginePos = 0;
    std::size_t m_column = 0;
    bool m_pendingCr = false;
    bool m_asciiSoFar = true;
    bool m_utf8 = true;
};

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
    CTextDecoder decoder;
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
    m_marks.reserve(result->m_foundWords.size());
    for (const CFoundWord& found : result->m_foundWords) {
        const std::int64_t start = decoder.DisplayPosition(found.m_nPos);
        if (start >= textLength) break;
        // The last character's place: a line end may have been added inside the word.
        const std::int64_t end = std::min<std::int64_t>(
            found.m_nLength > 0 ? decoder.DisplayPosition(found.m_nPos + found.m_nLength - 1) + 1
                                : start,
            textLength);
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
