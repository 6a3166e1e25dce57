#include "search/ui/RightView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>

#include "common/Cp1252.h"
#include "search/TextEncoding.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

namespace {

// The scroll bar counts in int: beyond this many rows one step is several rows.
constexpr std::uint64_t kMaxScrollSteps = 1ull << 30;
constexpr int kIndexTickMs = 50;

const QColor kMarkText(255, 255, 255);
const QColor kMarkBack(255, 0, 0);
// The selection, and so the occurrence Next and Previous reached, shows darker than the
// other occurrences.
const QColor kSelectionBack(128, 0, 0);

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Windows-1252 byte -> character.
const std::vector<QChar>& Cp1252Table() {
    static const std::vector<QChar> table = [] {
        std::vector<QChar> t(256);
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            t[static_cast<std::size_t>(b)] = QString::fromStdString(common::Cp1252ToUtf8(one))[0];
        }
        return t;
    }();
    return table;
}

// Control characters would draw as nothing: they show as their symbols (NUL as ␀) when
// the font has them, else as the replacement character, one character each, so the
// marks stay in place. Tabs stay tabs.
void ShowControls(QString& text, bool pictures) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || u == 0x7F)
            c = !pictures   ? QChar(QChar::ReplacementCharacter)
                : u == 0x7F ? QChar(static_cast<char16_t>(0x2421))
                            : QChar(static_cast<char16_t>(0x2400 + u));
    }
}

bool IsWordByte(unsigned char b) {
    return std::isalnum(b) || b == '_' || b == '.' || b == '-' || b == '+' || b >= 0x80;
}

}  // namespace

CRightView::CRightView(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_prompts(prompts) {
    setObjectName(QStringLiteral("rightView"));
    setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(font());
    m_controlPictures = metrics.inFontUcs4(0x2400) && metrics.inFontUcs4(0x2401);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(20);
    m_indexTimer.setInterval(kIndexTickMs);
    connect(&m_indexTimer, &QTimer::timeout, this, &CRightView::OnIndexTick);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CRightView::OnScrollValue);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &CRightView::OnScrollAction);
    // The index may have come while the handle was held: it goes back to the text shown.
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (m_file) SetTop(m_top);
    });
    connect(&doc, &CScarrowDoc::Updated, this, &CRightView::OnDocUpdated);
    UpdateScrollBars();
}

CRightView::~CRightView() = default;

void CRightView::OnDocUpdated(QObject* sender, int hint, CSearchResult* result) {
    if (sender == this) return;
    if (hint == CScarrowDoc::HintCleared) {
        Clear();
    } else if (hint == CScarrowDoc::HintShow && result) {
        // Nothing may leave an event handler.
        try {
            ShowResult(result);
        } catch (const std::exception& e) {
            const QString path = PathToQString(result->m_strPath);
            Clear();
            m_prompts.ShowMessage(
                window(),
                tr("Unable to show file %1: %2").arg(path, QString::fromLocal8Bit(e.what())),
                IUserPrompts::Icon::Warning);
        }
    }
}

void CRightView::Clear() {
    const bool had = HasSelection();
    m_indexTimer.stop();
    m_file.reset();
    m_result = nullptr;
    m_anchor = m_caret = 0;
    m_widest = 0;
    m_top = 0;
    m_lastTop.reset();
    m_cutOff = CTextFile::kNone;
    m_wheelRest = 0;
    m_endsKnown = false;
    m_firstHit.reset();
    m_lastHit.reset();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
    SelectionChanged(had);
}

void CRightView::ShowResult(CSearchResult* result) {
    Clear();
    if (!result) return;
    auto file = std::make_unique<CTextFile>();
    std::string error;
    if (!file->Open(result->m_strPath, result->m_pattern.get(), error)) {
        m_prompts.ShowMessage(window(),
                              tr("Unable to open file %1").arg(PathToQString(result->m_strPath)),
                              IUserPrompts::Icon::Warning);
        return;
    }
    m_file = std::move(file);
    m_result = result;
    m_utf8 = m_file->IsUtf8();
    m_cutOff = m_file->KnownCutOff();
    m_indexTimer.start();
    UpdateScrollBars();
    viewport()->update();
    emit NavigationChanged();
}

void CRightView::OnIndexTick() {
    if (!m_file) {
        m_indexTimer.stop();
        return;
    }
    if (m_file->Indexed()) m_indexTimer.stop();
    // The whole text again when it turned out not to be UTF-8, or when a NUL or the end
    // of the line limit turned up before occurrences already marked.
    const std::uint64_t cutOff = m_file->KnownCutOff();
    const bool repaint = m_utf8 != m_file->IsUtf8() || cutOff != m_cutOff;
    m_utf8 = m_file->IsUtf8();
    m_cutOff = cutOff;
    // Once the index is complete the scroll bar counts rows, the top row stays.
    UpdateScrollBars();
    if (repaint) viewport()->update();
    emit NavigationChanged();
}

qreal CRightView::DigitAdvance() const {
    // As the rows are laid out, so that a part of a row is drawn where the whole would be.
    if (m_digitAdvance <= 0) {
        QTextLayout layout(QString(100, QLatin1Char('0')));
        Layout(layout);
        m_digitAdvance = std::max<qreal>(1, layout.lineAt(0).naturalTextWidth() / 100);
    }
    return m_digitAdvance;
}

int CRightView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

std::uint64_t CRightView::RowsPerStep() const {
    const std::uint64_t rows = m_file ? m_file->RowCount() : 1;
    return std::max<std::uint64_t>(1, (rows + kMaxScrollSteps - 1) / kMaxScrollSteps);
}

std::uint64_t CRightView::BytesPerStep() const {
    const std::uint64_t size = m_file ? m_file->Size() : 0;
    return std::max<std::uint64_t>(1, (size + kMaxScrollSteps - 1) / kMaxScrollSteps);
}

int CRightView::VisibleRowCount() const {
    return std::max(1, (viewport()->height() - Margin() / 2) / LineHeight());
}

std::uint64_t CRightView::FirstVisibleRow() const {
    return m_file ? m_file->RowOf(m_top) : 0;
}

int CRightView::ValueForTop(std::uint64_t top) const {
    if (!m_file) return 0;
    return static_cast<int>(CountsRows() ? m_file->RowOf(top) / RowsPerStep()
                                         : top / BytesPerStep());
}

std::uint64_t CRightView::TopForValue(int value) const {
    if (!m_file) return 0;
    const auto v = static_cast<std::uint64_t>(std::max(0, value));
    std::uint64_t top = 0;
    if (CountsRows()) {
        const std::vector<CTextFile::Row> rows = m_file->Rows(v * RowsPerStep(), 1);
        top = rows.empty() ? m_file->Size() : rows.front().start;
    } else {
        top = m_file->RowAt(v * BytesPerStep()).start;
    }
    return std::min(top, LastTop());
}

std::uint64_t CRightView::LastTop() const {
    if (!m_file) return 0;
    const int visible = VisibleRowCount();
    if (!m_lastTop || m_lastTop->first != visible) {
        std::uint64_t top = m_file->RowAt(m_file->Size()).start;
        for (int i = 1; i < visible && top > 0; ++i) top = m_file->RowAt(top - 1).start;
        m_lastTop.emplace(visible, top);
    }
    return m_lastTop->second;
}

std::uint64_t CRightView::StepRows(std::uint64_t top, std::int64_t n) const {
    if (!m_file) return 0;
    if (n >= 0) {
        const std::vector<CTextFile::Row> rows =
            m_file->RowsFrom(top, static_cast<std::size_t>(n) + 1);
        if (rows.empty()) return top;
        return std::min(rows.back().start, LastTop());
    }
    for (std::int64_t i = 0; i < -n && top > 0; ++i) top = m_file->RowAt(top - 1).start;
    return top;
}

void CRightView::SetTop(std::uint64_t top) {
    m_top = top;
    if (!verticalScrollBar()->isSliderDown()) {
        m_syncing = true;
        verticalScrollBar()->setValue(ValueForTop(m_top));
        m_syncing = false;
    }
    viewport()->update();
}

void CRightView::OnScrollValue(int value) {
    // Moved by the user: dragged, clicked beside the handle, or by Home and End on it.
    if (m_syncing || !m_file || ValueForTop(m_top) == value) return;
    m_top = TopForValue(value);
    viewport()->update();
}

void CRightView::OnScrollAction(int action) {
    // Steps and pages go by rows: in bytes a step would often stay in the same row.
    if (!m_file) return;
    const std::int64_t page = VisibleRowCount();
    std::int64_t rows = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            rows = 1;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            rows = -1;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            rows = page;
            break;
        case QAbstractSlider::SliderPageStepSub:
            rows = -page;
            break;
        default:
            return;
    }
    m_top = StepRows(m_top, rows);
    m_syncing = true;
    verticalScrollBar()->setSliderPosition(ValueForTop(m_top));
    m_syncing = false;
    viewport()->update();
}

void CRightView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (!m_file || delta == 0 || (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier))) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // One notch (120) scrolls the desktop's number of lines; finer wheels add up.
    const int perNotch = std::max(1, QApplication::wheelScrollLines());
    m_wheelRest += delta * perNotch;
    const int rows = m_wheelRest / 120;
    m_wheelRest -= rows * 120;
    if (rows != 0) SetTop(StepRows(m_top, -rows));
    event->accept();
}

void CRightView::UpdateScrollBars() {
    QScrollBar* v = verticalScrollBar();
    if (!m_file) {
        v->setRange(0, 0);
        horizontalScrollBar()->setRange(0, 0);
        return;
    }
    const int visible = VisibleRowCount();
    m_syncing = true;
    if (CountsRows()) {
        const std::uint64_t rows = m_file->RowCount();
        const std::uint64_t perStep = RowsPerStep();
        const std::uint64_t lastFirst =
            rows > static_cast<std::uint64_t>(visible) ? rows - visible : 0;
        v->setRange(0, static_cast<int>((lastFirst + perStep - 1) / perStep));
        v->setPageStep(std::max(1, static_cast<int>(visible / perStep)));
        v->setSingleStep(1);
    } else {
        const std::uint64_t perStep = BytesPerStep();
        const std::vector<CTextFile::Row> rows =
            m_file->RowsFrom(m_top, static_cast<std::size_t>(visible));
        const std::uint64_t shown = rows.empty() ? 0 : rows.back().next - m_top;
        v->setRange(0, static_cast<int>(LastTop() / perStep));
        v->setPageStep(std::max(1, static_cast<int>(shown / perStep)));
        // About a row, for the wheel over the scroll bar (steps of its arrows go by rows).
        v->setSingleStep(std::max(1, static_cast<int>(shown / perStep / visible)));
    }
    if (!v->isSliderDown()) v->setValue(ValueForTop(m_top));
    m_syncing = false;
    const auto longest = static_cast<qint64>(
        std::min<std::uint64_t>(m_file->LongestRow(), CTextFile::kLongestRowBytes));
    const qint64 width =
        std::max<qint64>(m_widest, static_cast<qint64>(std::ceil(longest * DigitAdvance())));
    horizontalScrollBar()->setRange(
        0, static_cast<int>(std::max<qint64>(0, width + 2 * Margin() - viewport()->width())));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

CRightView::Shown CRightView::Decode(const CTextFile::Row& row, const std::string& bytes) const {
    Shown s;
    s.row = row;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    bool utf8 = m_file->IsUtf8();
    if (utf8) {
        CUtf8Validator check;
        check.Feed(p, n);
        if (!check.Finish()) {
            // Found before the worker got here: the file is shown as Windows-1252 from now.
            m_file->SetNotUtf8();
            utf8 = false;
        }
    }
    s.units.resize(n + 1);
    if (utf8) {
        s.text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(n));
        int at = 0;
        int lead = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (IsContinuation(p[i])) {
                s.units[i] = lead;
            } else {
                s.units[i] = lead = at;
                at += Utf16Units(p[i], true);
            }
        }
        s.units[n] = at;
    } else {
        const std::vector<QChar>& table = Cp1252Table();
        s.text.resize(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i) {
            s.text[static_cast<qsizetype>(i)] = table[p[i]];
            s.units[i] = static_cast<int>(i);
        }
        s.units[n] = static_cast<int>(n);
    }
    ShowControls(s.text, m_controlPictures);
    return s;
}

CRightView::Shown CRightView::ShownRow(std::uint64_t row) const {
    const std::vector<CTextFile::Row> rows = m_file->Rows(row, 1);
    if (rows.empty()) return {};
    const CTextFile::Row& r = rows.front();
    return Decode(r, m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start)));
}

QString CRightView::RowText(std::uint64_t row) const {
    if (!m_file) return {};
    return ShownRow(row).text;
}

QStringList CRightView::VisibleRowTexts() const {
    QStringList texts;
    if (!m_file) return texts;
    for (const CTextFile::Row& r :
         m_file->RowsFrom(m_top, static_cast<std::size_t>(VisibleRowCount())))
        texts << Decode(r, m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start))).text;
    return texts;
}

void CRightView::Layout(QTextLayout& layout) const {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(8 * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    layout.setTextOption(option);
    layout.setFont(font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e9);
    layout.endLayout();
}

std::vector<CRightView::ShownMark> CRightView::VisibleMarks() const {
    std::vector<ShownMark> marks;
    if (!m_file) return marks;
    const std::vector<CTextFile::Row> rows =
        m_file->RowsFrom(m_top, static_cast<std::size_t>(VisibleRowCount()) + 1);
    if (rows.empty()) return marks;
    const std::uint64_t reach = m_file->LongestWord();
    const std::uint64_t from = rows.front().start > reach ? rows.front().start - reach : 0;
    const std::vector<CTextFile::Hit> hits = m_file->Find(from, rows.back().next + 1);
    std::uint64_t index = FirstVisibleRow();
    for (const CTextFile::Row& r : rows) {
        const Shown s = Decode(r, m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start)));
        for (const CTextFile::Hit& h : hits) {
            const std::uint64_t a = std::max(h.offset, r.start);
            const std::uint64_t b = std::min<std::uint64_t>(h.offset + h.length, r.end);
            if (a >= b) continue;
            const int start = s.units[static_cast<std::size_t>(a - r.start)];
            marks.push_back({index, start, s.units[static_cast<std::size_t>(b - r.start)] - start});
        }
        ++index;
    }
    return marks;
}

void CRightView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (!m_file) return;
    painter.setPen(palette().color(QPalette::Text));
    const std::vector<CTextFile::Row> rows =
        m_file->RowsFrom(m_top, static_cast<std::size_t>(VisibleRowCount()) + 1);
    if (rows.empty()) return;
    // The bytes on screen are read at once; an occurrence may start a little above.
    const std::uint64_t top = rows.front().start;
    const std::string bytes = m_file->Read(top, static_cast<std::size_t>(rows.back().next - top));
    const std::uint64_t reach = m_file->LongestWord();
    const std::vector<CTextFile::Hit> hits =
        m_file->Find(top > reach ? top - reach : 0, rows.back().next + 1);

    QTextCharFormat markFormat;
    markFormat.setForeground(kMarkText);
    markFormat.setBackground(kMarkBack);
    QTextCharFormat selectionFormat;
    selectionFormat.setForeground(kMarkText);
    selectionFormat.setBackground(kSelectionBack);
    const std::uint64_t selStart = SelectionStart();
    const std::uint64_t selEnd = SelectionEnd();
    const int lineHeight = LineHeight();
    const qreal x0 = Margin() - horizontalScrollBar()->value();
    // Of a long row only what can be seen is laid out: in a row of plain ASCII, where a
    // fixed font sets every character one digit's width on, the characters under the
    // window; in any other from its start up to twice the characters that would fill the
    // window up to its right edge (wider characters need fewer).
    const qreal advance = DigitAdvance();
    const int scrollX = horizontalScrollBar()->value();
    const int width = viewport()->width();
    const auto windowFirst = std::max<qsizetype>(0, static_cast<qsizetype>(scrollX / advance) - 16);
    const auto windowEnd = static_cast<qsizetype>((scrollX + width) / advance) + 16;
    const auto prefix = static_cast<qsizetype>(2 * (scrollX + width) / advance) + 64;
    int widest = m_widest;
    int y = Margin() / 2;
    for (const CTextFile::Row& r : rows) {
        const std::size_t from = static_cast<std::size_t>(r.start - top);
        const std::size_t length = std::min<std::size_t>(
            static_cast<std::size_t>(r.end - r.start), bytes.size() - std::min(bytes.size(), from));
        const Shown s = Decode(r, bytes.substr(std::min(from, bytes.size()), length));
        qsizetype skip = 0;
        qsizetype count = s.text.size();
        if (count > prefix || count > windowEnd - windowFirst + 256) {
            const bool plain = std::all_of(s.text.begin(), s.text.end(), [](QChar c) {
                return c.unicode() >= 0x20 && c.unicode() < 0x7F;
            });
            if (plain) {
                skip = std::min(windowFirst, count);
                count = std::min(count, windowEnd) - skip;
            } else {
                count = std::min(count, prefix);
            }
        }
        const bool toEnd = skip + count == s.text.size();
        const auto unitAt = [&](std::uint64_t offset) {
            const std::uint64_t clipped = std::clamp(offset, r.start, r.start + length);
            const int unit = s.units[static_cast<std::size_t>(clipped - r.start)];
            return static_cast<int>(std::clamp<qsizetype>(unit - skip, 0, count));
        };
        QList<QTextLayout::FormatRange> formats;
        for (const CTextFile::Hit& h : hits) {
            const std::uint64_t a = std::max(h.offset, r.start);
            const std::uint64_t b = std::min<std::uint64_t>(h.offset + h.length, r.end);
            if (a < b) formats.push_back({unitAt(a), unitAt(b) - unitAt(a), markFormat});
        }
        if (selStart < selEnd && selStart < r.end && selEnd > r.start)
            formats.push_back(
                {unitAt(selStart), unitAt(selEnd) - unitAt(selStart), selectionFormat});
        QTextLayout layout(toEnd && skip == 0 ? s.text : s.text.mid(skip, count));
        Layout(layout);
        const QTextLine line = layout.lineAt(0);
        const qreal x = x0 + skip * advance;
        layout.draw(&painter, QPointF(x, y), formats);
        // A selection over the line end shows as a narrow block after the text.
        if (toEnd && selStart <= r.end && selEnd > r.end && r.next > r.end)
            painter.fillRect(
                QRectF(x + line.naturalTextWidth(), y,
                       fontMetrics().horizontalAdvance(QLatin1Char(' ')) / 2.0, lineHeight),
                kSelectionBack);
        if (hasFocus() && m_caret >= r.start &&
            (m_caret < r.next || (m_caret == r.next && r.next == m_file->Size()))) {
            const int unit =
                s.units[static_cast<std::size_t>(std::min(m_caret, r.start + length) - r.start)];
            if (unit >= skip && unit <= skip + count)
                painter.fillRect(
                    QRectF(x + line.cursorToX(static_cast<int>(unit - skip)), y, 1, lineHeight),
                    palette().color(QPalette::Text));
        }
        widest = std::max(widest, skip == 0 && toEnd
                                      ? static_cast<int>(std::ceil(line.naturalTextWidth()))
                                      : static_cast<int>(std::ceil(s.text.size() * advance)));
        y += lineHeight;
    }
    if (widest > m_widest) {
        m_widest = widest;
        QTimer::singleShot(0, this, [this] { UpdateScrollBars(); });
    }
}

void CRightView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_digitAdvance = 0;
        m_lastTop.reset();
        UpdateScrollBars();
    }
}

void CRightView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_file) m_top = std::min(m_top, LastTop());
    UpdateScrollBars();
}

void CRightView::scrollContentsBy(int, int) {
    viewport()->update();
}

std::uint64_t CRightView::OffsetAt(const QPoint& pos) const {
    if (!m_file) return 0;
    const int top = pos.y() - Margin() / 2;
    const int rowOnScreen = pos.y() < 0 ? -1 : std::max(0, top) / LineHeight();
    CTextFile::Row r;
    if (rowOnScreen < 0) {
        r = m_file->RowAt(m_top > 0 ? m_top - 1 : 0);
    } else {
        const std::vector<CTextFile::Row> rows =
            m_file->RowsFrom(m_top, static_cast<std::size_t>(rowOnScreen) + 1);
        if (rows.size() <= static_cast<std::size_t>(rowOnScreen)) return m_file->Size();
        r = rows.back();
    }
    const Shown s = Decode(r, m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start)));
    QTextLayout layout(s.text);
    Layout(layout);
    const int unit =
        layout.lineAt(0).xToCursor(pos.x() - Margin() + horizontalScrollBar()->value());
    const std::size_t n = s.units.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
        if (s.units[i] >= unit && (i == 0 || s.units[i] != s.units[i - 1])) return r.start + i;
    }
    return r.start + n;
}

void CRightView::SetSelection(std::uint64_t anchor, std::uint64_t caret) {
    const bool had = HasSelection();
    const std::uint64_t size = m_file ? m_file->Size() : 0;
    m_anchor = std::min(anchor, size);
    m_caret = std::min(caret, size);
    viewport()->update();
    SelectionChanged(had);
}

void CRightView::SelectionChanged(bool hadSelection) {
    if (hadSelection != HasSelection()) emit copyAvailable(HasSelection());
    emit NavigationChanged();
}

void CRightView::MoveCaret(std::uint64_t offset, bool extend) {
    SetSelection(extend ? m_anchor : offset, offset);
    EnsureVisible(offset);
}

void CRightView::EnsureVisible(std::uint64_t offset) {
    if (!m_file) return;
    const CTextFile::Row r = m_file->RowAt(offset);
    const int visible = VisibleRowCount();
    if (r.start < m_top) {
        SetTop(r.start);
    } else {
        const std::vector<CTextFile::Row> shown =
            m_file->RowsFrom(m_top, static_cast<std::size_t>(visible));
        if (shown.size() == static_cast<std::size_t>(visible) && r.start > shown.back().start)
            SetTop(StepRows(r.start, 1 - visible));
    }
    // Across: the caret's place in its row.
    const Shown s = Decode(r, m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start)));
    QTextLayout layout(s.text);
    Layout(layout);
    const std::uint64_t at = std::clamp(offset, r.start, r.end);
    const int x = static_cast<int>(
        layout.lineAt(0).cursorToX(s.units[static_cast<std::size_t>(at - r.start)]));
    QScrollBar* h = horizontalScrollBar();
    const int width = viewport()->width() - 2 * Margin();
    if (x > m_widest) {
        m_widest = x;
        UpdateScrollBars();
    }
    if (x < h->value())
        h->setValue(std::max(0, x - width / 4));
    else if (x > h->value() + width)
        h->setValue(x - width + width / 4);
}

void CRightView::keyPressEvent(QKeyEvent* event) {
    if (!m_file) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const std::uint64_t size = m_file->Size();
    const CTextFile::Row here = m_file->RowAt(m_caret);
    // The row after the caret's, or none at the end of the file.
    const auto rowAfter = [&](const CTextFile::Row& r) {
        const std::vector<CTextFile::Row> rows = m_file->RowsFrom(r.next, 1);
        return rows.empty() ? CTextFile::Row{size, size, size, 0} : rows.front();
    };
    // The caret keeps its column (in characters) going up and down.
    const auto sameColumn = [&](const CTextFile::Row& r) {
        const std::uint64_t column = std::min(m_caret, here.end) - here.start;
        std::uint64_t o = std::min(r.start + column, r.end);
        const std::string bytes = m_file->Read(o, 4);
        for (std::size_t i = 0; i < bytes.size() && o < r.end && IsContinuation(bytes[i]); ++i) ++o;
        return o;
    };
    // `n` rows up from the caret's row, or the start of the file when there are fewer.
    const auto rowsUp = [&](std::int64_t n) -> std::optional<CTextFile::Row> {
        std::uint64_t start = here.start;
        for (std::int64_t i = 0; i < n; ++i) {
            if (start == 0) return std::nullopt;
            start = m_file->RowAt(start - 1).start;
        }
        return m_file->RowAt(start);
    };
    const std::int64_t page = std::max(1, VisibleRowCount() - 1);
    switch (event->key()) {
        case Qt::Key_Left: {
            std::uint64_t o = m_caret;
            if (o <= here.start) {
                o = here.start > 0 ? m_file->RowAt(here.start - 1).end : 0;
            } else {
                const std::string before = m_file->Read(
                    o > 4 ? o - 4 : 0, static_cast<std::size_t>(std::min<std::uint64_t>(o, 4)));
                --o;
                for (std::size_t i = before.size();
                     i-- > 1 && IsContinuation(before[i]) && o > here.start;)
                    --o;
            }
            MoveCaret(o, extend);
            return;
        }
        case Qt::Key_Right: {
            std::uint64_t o = m_caret;
            if (o >= here.end) {
                o = here.next;
            } else {
                ++o;
                const std::string after = m_file->Read(o, 3);
                for (std::size_t i = 0;
                     i < after.size() && o < here.end && IsContinuation(after[i]); ++i)
                    ++o;
            }
            MoveCaret(o, extend);
            return;
        }
        case Qt::Key_Up:
            if (control) {
                verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
                return;
            }
            MoveCaret(here.start > 0 ? sameColumn(m_file->RowAt(here.start - 1)) : 0, extend);
            return;
        case Qt::Key_Down:
            if (control) {
                verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                return;
            }
            MoveCaret(
                here.next < size || here.end < here.next ? sameColumn(rowAfter(here)) : here.end,
                extend);
            return;
        case Qt::Key_PageUp: {
            const auto target = rowsUp(page);
            MoveCaret(target ? sameColumn(*target) : 0, extend);
            return;
        }
        case Qt::Key_PageDown: {
            const std::vector<CTextFile::Row> rows =
                m_file->RowsFrom(here.start, static_cast<std::size_t>(page) + 1);
            MoveCaret(rows.size() > static_cast<std::size_t>(page)
                          ? sameColumn(rows.back())
                          : sameColumn(CTextFile::Row{size, size, size, 0}),
                      extend);
            return;
        }
        case Qt::Key_Home:
            MoveCaret(control ? 0 : here.start, extend);
            return;
        case Qt::Key_End:
            MoveCaret(control ? size : here.end, extend);
            return;
        default:
            break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CRightView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton || !m_file) return;
    const std::uint64_t o = OffsetAt(event->position().toPoint());
    SetSelection(event->modifiers() & Qt::ShiftModifier ? m_anchor : o, o);
}

void CRightView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !m_file) return;
    const QPoint pos = event->position().toPoint();
    // Dragging above or below the text scrolls it.
    if (pos.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (pos.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const std::uint64_t o = OffsetAt(pos);
    SetSelection(m_anchor, o);
}

void CRightView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_file) return;
    // The word under the pointer, as far as its row goes.
    const std::uint64_t o = OffsetAt(event->position().toPoint());
    const CTextFile::Row r = m_file->RowAt(o);
    const std::string bytes = m_file->Read(r.start, static_cast<std::size_t>(r.end - r.start));
    std::size_t a = static_cast<std::size_t>(std::min(o, r.end) - r.start);
    std::size_t b = a;
    while (a > 0 && IsWordByte(static_cast<unsigned char>(bytes[a - 1]))) --a;
    while (b < bytes.size() && IsWordByte(static_cast<unsigned char>(bytes[b]))) ++b;
    SetSelection(r.start + a, r.start + b);
}

void CRightView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CRightView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

QString CRightView::DecodeForCopy(const std::string& bytes) const {
    // Line ends as the rows show them: CR LF and a lone CR become "\n".
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text.push_back('\n');
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            text.push_back(bytes[i]);
        }
    }
    QString out;
    if (m_file->IsUtf8()) {
        out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    } else {
        const std::vector<QChar>& table = Cp1252Table();
        out.resize(static_cast<qsizetype>(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i)
            out[static_cast<qsizetype>(i)] = table[static_cast<unsigned char>(text[i])];
    }
    out.replace(QChar(0), QChar(0x2400));  // a NUL would end the text in many programs
    return out;
}

QString CRightView::SelectedText() const {
    if (!m_file || !HasSelection()) return {};
    const std::uint64_t length = std::min(SelectionEnd() - SelectionStart(), kMaxCopyBytes);
    return DecodeForCopy(m_file->Read(SelectionStart(), static_cast<std::size_t>(length)));
}

void CRightView::copy() {
    if (!m_file || !HasSelection()) return;
    if (SelectionEnd() - SelectionStart() > kMaxCopyBytes) {
        m_prompts.ShowMessage(window(),
                              tr("The selection is larger than %1 MB and was not "
                                 "copied. Select less, or open the file in an editor.")
                                  .arg(kMaxCopyBytes >> 20),
                              IUserPrompts::Icon::Information);
        return;
    }
    CBusyCursor busy;
    QGuiApplication::clipboard()->setText(SelectedText());
}

void CRightView::selectAll() {
    if (m_file) SetSelection(0, m_file->Size());
}

bool CRightView::KnowEnds() const {
    if (m_endsKnown) return true;
    if (!m_file || !m_file->Indexed()) return false;
    if (const auto first = m_file->NextFrom(0)) m_firstHit = first->offset;
    if (const auto last = m_file->LastBefore(m_file->Size())) m_lastHit = last->offset;
    m_endsKnown = true;
    return true;
}

bool CRightView::CanGoNext() const {
    if (!m_result || !m_file) return false;
    // Until the worker is through, an occurrence further on may still come.
    if (!KnowEnds()) return true;
    if (!m_lastHit) return false;
    // With nothing selected an occurrence right at the caret counts as ahead: the first
    // word of a file is reached too.
    return HasSelection() ? *m_lastHit > SelectionEnd() : *m_lastHit >= m_caret;
}

bool CRightView::CanGoPrevious() const {
    if (!m_result || !m_file) return false;
    const std::uint64_t start = SelectionStart();
    if (KnowEnds()) return m_firstHit && *m_firstHit < start;
    if (start == 0) return false;
    // Beyond the worker an earlier occurrence may still be found; before it, the
    // blocks without occurrences are passed over at once.
    if (start > m_file->IndexedBytes()) return true;
    return m_file->LastBefore(start).has_value();
}

void CRightView::NextOccurrence() {
    setFocus();
    if (m_file) {
        // Beyond the index the search for it may read much of a large file.
        std::unique_ptr<CBusyCursor> busy;
        if (!m_file->Indexed()) busy = std::make_unique<CBusyCursor>();
        const auto hit = m_file->NextFrom(HasSelection() ? SelectionStart() + 1 : m_caret);
        if (hit) {
            SetSelection(hit->offset, hit->offset + hit->length);
            EnsureVisible(hit->offset + hit->length);
            EnsureVisible(hit->offset);
            return;
        }
    }
    m_prompts.Beep();
}

void CRightView::PreviousOccurrence() {
    setFocus();
    if (m_file) {
        // Beyond the index the search for it may read much of a large file.
        std::unique_ptr<CBusyCursor> busy;
        if (!m_file->Indexed()) busy = std::make_unique<CBusyCursor>();
        const auto hit = m_file->LastBefore(SelectionStart());
        if (hit) {
            SetSelection(hit->offset, hit->offset + hit->length);
            EnsureVisible(hit->offset + hit->length);
            EnsureVisible(hit->offset);
            return;
        }
    }
    m_prompts.Beep();
}

CSplitFrame::CSplitFrame(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_view(new CRightView(doc, prompts, this)), m_toolBar(new QToolBar(this)) {
    setObjectName(QStringLiteral("splitFrame"));
    m_toolBar->setObjectName(QStringLiteral("occurrenceBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_next =
        m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowDown), tr("Next occurrence"));
    m_next->setObjectName(QStringLiteral("actionNextOccurrence"));
    m_next->setToolTip(tr("Next occurrence (F3)"));
    m_next->setShortcut(QKeySequence(Qt::Key_F3));
    m_next->setShortcutContext(Qt::WindowShortcut);
    m_previous =
        m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), tr("Previous occurrence"));
    m_previous->setObjectName(QStringLiteral("actionPreviousOccurrence"));
    m_previous->setToolTip(tr("Previous occurrence (Shift+F3)"));
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
