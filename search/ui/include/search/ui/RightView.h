#pragma once

#include <QPlainTextEdit>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "search/SearchResult.h"

class QAction;
class QToolBar;

namespace scarrow::ui {

class CScarrowDoc;
class IUserPrompts;

// The text of one found file, read-only, with every occurrence white on red. Large
// files are put in piece by piece with the events pumped in between, so the window
// stays alive while they load.
class CRightView : public QPlainTextEdit {
    Q_OBJECT
public:
    // A range of the shown text, in characters of the view.
    struct Mark {
        int start = 0;
        int length = 0;
    };
    static constexpr std::uint64_t kMaxShownBytes = 256ull << 20;
    static constexpr std::size_t kMaxMarks = 1'000'000;

    CRightView(CScarrowDoc& doc, IUserPrompts& prompts, QWidget* parent = nullptr);
    ~CRightView() override;

    // Hint 2: shows the file of `result`; hint 0: Clear.
    void ShowResult(CSearchResult* result);
    void Clear();

    CSearchResult* Result() const { return m_result; }
    const std::vector<Mark>& Marks() const { return m_marks; }

    void NextOccurrence();
    void PreviousOccurrence();
    bool CanGoNext() const;
    bool CanGoPrevious() const;

    // Text pieces put in at a time while loading (tests make it small).
    void SetLoadChunkChars(int chars) { m_chunkChars = chars; }

signals:
    // The next/previous enabling may have changed.
    void NavigationChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnDocUpdated(QObject* sender, int hint, CSearchResult* result);
    void ApplyMarks();
    void UpdateVisibleMarks();
    void SelectMark(const Mark& mark);

    CScarrowDoc& m_doc;
    IUserPrompts& m_prompts;
    CSearchResult* m_result = nullptr;
    std::vector<Mark> m_marks;  // in the order of the occurrences
    bool m_loading = false;
    bool m_markAllAtOnce = true;
    std::uint64_t m_generation = 0;
    int m_chunkChars = 1 << 18;
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
