#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "search/SearchResult.h"

namespace scarrow::ui {

// The results of the last search. The views listen to Updated: hint 0 the results were
// cleared, 1 `result` was added, 2 show `result` (sent by the result list).
class CScarrowDoc : public QObject {
    Q_OBJECT
public:
    enum Hint { HintCleared = 0, HintAdded = 1, HintShow = 2 };

    explicit CScarrowDoc(QObject* parent = nullptr) : QObject(parent) {}

    void ClearResults();
    void AddResult(std::unique_ptr<CSearchResult> result);
    // Asks the views to show one of the results (hint 2); `sender` is not told.
    void ShowResult(CSearchResult* result, QObject* sender);

    const std::vector<std::unique_ptr<CSearchResult>>& Results() const { return m_results; }

signals:
    void Updated(QObject* sender, int hint, scarrow::CSearchResult* result);

private:
    std::vector<std::unique_ptr<CSearchResult>> m_results;
};

}  // namespace scarrow::ui
