#include "search/ui/ScarrowDoc.h"

namespace scarrow::ui {

void CScarrowDoc::ClearResults() {
    // The views drop their pointers on hint 0 before the results go away.
    emit Updated(nullptr, HintCleared, nullptr);
    m_results.clear();
}

void CScarrowDoc::AddResult(std::unique_ptr<CSearchResult> result) {
    if (!result) return;
    m_results.push_back(std::move(result));
    emit Updated(nullptr, HintAdded, m_results.back().get());
}

void CScarrowDoc::ShowResult(CSearchResult* result, QObject* sender) {
    emit Updated(sender, HintShow, result);
}

}  // namespace scarrow::ui
