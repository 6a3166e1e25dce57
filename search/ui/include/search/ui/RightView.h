#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "search/SearchResult.h"
#include "search/TextFile.h"

class QAction;
class QTextLayout;
class QWheelEvent;
class QToolBar;

namespace scarrow::ui {

class CScarrowDoc;
class IUserPrompts;

// The text of one found file, read-only, with every occurrence white on red. The file
// is never loaded: only the rows on screen are read, decoded and laid out when they are
// painted, and a background worker indexes rows and occurrences (CTextFile), so a file
// of any size shows at once and Next and Previous jump at once. The text is UTF-8 when
// the file is, else Windows-1252. Positions (caret, selection, the top row) are byte
// offsets in the file, so a jump far beyond the index needs no count of the rows before
// it: until the index is complete the scroll bar stands for bytes, then for rows.
class CRightView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // More than this is not copied to the clipboard at once.
    static constexpr std::uint64_t kMaxCopyBytes = 256ull << 20;

    CRightView(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent = nullptr);
    ~CRightView() override;

    // Hint 2: shows the file of `result`; hint 0: Clear.
    void ShowResult(CSearchResult* result);
    void Clear();

    CSearchResult* Result() const { return m_result; }
    const CTextFile* File() const { return m_file.get(); }

    void NextOccurrence();
    void PreviousOccurrence();
    bool CanGoNext() const;
    bool CanGoPrevious() const;

    // The selection runs from the anchor to the caret.
    std::uint64_t Caret() const { return m_caret; }
    std::uint64_t SelectionStart() const { return std::min(m_anchor, m_caret); }
    std::uint64_t SelectionEnd() const { return std::max(m_anchor, m_caret); }
    bool HasSelection() const { return m_anchor != m_caret; }
    void SetSelection(std::uint64_t anchor, std::uint64_t caret);
    // The selected text as it is copied: line ends as "\n".
    QString SelectedText() const;

    // The rows on screen and what they show (tests and the benchmark look here). The
    // number of the top row is counted before the index is complete.
    std::uint64_t FirstVisibleRow() const;
    std::uint64_t TopOffset() const { return m_top; }
    int VisibleRowCount() const;
    QString RowText(std::uint64_t row) const;
    QStringList VisibleRowTexts() const;
    struct ShownMark {
        std::uint64_t row = 0;
        int start = 0;  // in characters of the row's text
        int length = 0;
    };
    std::vector<ShownMark> VisibleMarks() const;

public slots:
    void copy();
    void selectAll();

signals:
    // The next/previous enabling may have changed.
    void NavigationChanged();
    void copyAvailable(bool yes);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // One row as shown: its text and, for every byte of it, where its character starts.
    struct Shown {
        CTextFile::Row row;
        QString text;
        std::vector<int> units;  // one more than the row's bytes: the end
    };

    void OnDocUpdated(QObject* sender, int hint, CSearchResult* result);
    void OnIndexTick();
    Shown Decode(const CTextFile::Row& row, const std::string& bytes) const;
    Shown ShownRow(std::uint64_t row) const;
    void Layout(QTextLayout& layout) const;
    std::uint64_t OffsetAt(const QPoint& pos) const;
    void MoveCaret(std::uint64_t offset, bool extend);
    void EnsureVisible(std::uint64_t offset);
    void SelectionChanged(bool hadSelection);
    void UpdateScrollBars();
    // The scroll bar counts rows once the index is complete, bytes before.
    bool CountsRows() const { return m_file && m_file->Indexed(); }
    std::uint64_t RowsPerStep() const;
    std::uint64_t BytesPerStep() const;
    int ValueForTop(std::uint64_t top) const;
    std::uint64_t TopForValue(int value) const;
    // The top row of the last screen.
    std::uint64_t LastTop() const;
    // The start of the row `n` rows after (before, for n < 0) the row starting at `top`,
    // kept between the first and the last screen.
    std::uint64_t StepRows(std::uint64_t top, std::int64_t n) const;
    void SetTop(std::uint64_t top);
    void OnScrollValue(int value);
    void OnScrollAction(int action);
    int LineHeight() const;
    qreal DigitAdvance() const;  // the width of a digit, as a fixed font lays it out
    int Margin() const { return 4; }
    QString DecodeForCopy(const std::string& bytes) const;
    // Fills m_firstHit and m_lastHit once the index is complete; false before.
    bool KnowEnds() const;

    CScarrowDoc& m_doc;
    IUserPrompts& m_prompts;
    CSearchResult* m_result = nullptr;
    std::unique_ptr<CTextFile> m_file;
    QTimer m_indexTimer;
    std::uint64_t m_anchor = 0;
    std::uint64_t m_caret = 0;
    int m_widest = 0;  // the widest row painted so far, in pixels
    // The first and last occurrence, once the worker is through (asked at every move).
    mutable bool m_endsKnown = false;
    mutable std::optional<std::uint64_t> m_firstHit;
    mutable std::optional<std::uint64_t> m_lastHit;
    std::uint64_t m_top = 0;  // the start of the top row
    bool m_syncing = false;   // the scroll bar is being set to m_top
    mutable std::optional<std::pair<int, std::uint64_t>> m_lastTop;  // visible rows, LastTop
    std::uint64_t m_cutOff = CTextFile::kNone;
    int m_wheelRest = 0;  // wheel turns not yet a whole row
    mutable qreal m_digitAdvance = 0;
    bool m_utf8 = true;
    bool m_controlPictures = false;  // whether the font draws ␀ and its kin
};

// The right pane: a small toolbar with next and previous occurrence over the text.
class CSplitFrame : public QWidget {
    Q_OBJECT
public:
    CSplitFrame(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent = nullptr);

    CRightView* View() const { return m_view; }
    QAction* NextAction() const { return m_next; }
    QAction* PreviousAction() const { return m_previous; }

private:
    void UpdateActions();

    CRightView* m_view;
    QToolBar* m_toolBar;
    QAction* m_next;
    QAction* m_previous;
};

}  // namespace scarrow::ui
