#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "search/DateTime.h"
#include "search/SearchConfig.h"
#include "search/SearchResult.h"

namespace scarrow {

// Where a search reports. The window, the command line and the tests each plug in
// their own.
class ISearchSink {
public:
    virtual ~ISearchSink() = default;
    // A file that meets the criteria, with its occurrences in scan order. Called on the
    // thread that called RunSearch, in the order of the walk, whatever the number of
    // threads that scan.
    virtual void ResultFound(std::unique_ptr<CSearchResult> result) = 0;
    // Asked on the thread that called RunSearch about every SearchOptions::pollInterval
    // (not after every byte), also before a result is reported: the window pumps its
    // events here. Returning false stops the search at once and nothing more is reported,
    // except on one thread (SearchOptions::threads 1), where a file being scanned still
    // reports what it found so far when that already meets the criteria.
    virtual bool GoOn() = 0;
};

struct SearchOptions {
    // "Now" for the week, month and year filters; unset: the local clock at the start.
    std::optional<CDateTime> now;
    // How often GoOn is asked.
    std::chrono::milliseconds pollInterval{33};
    // The occurrences kept per file (32 bytes each); a file with more still counts
    // whole (CSearchResult::m_nOccurrences), so a search for "0" over huge programs
    // cannot exhaust the memory.
    std::size_t maxOccurrencesPerFile = 1'000'000;
    // Threads that scan files: 0 one for each processor this process may run on
    // (DefaultSearchThreads); 1 scans each file on the calling thread as the walk comes
    // to it. Each thread scans whole files; the results come in the same order either way.
    unsigned threads = 0;
};

// The processors this process may run on (its CPU affinity), at least 1.
unsigned DefaultSearchThreads();

// Walks criteria.m_strFolder (run ValidateCriteria first) and scans each file that
// passes the extension and date filters; returns when the walk is finished or GoOn
// said no, with every thread it started ended. What the scanning threads throw comes out here. Each
// folder's entries come in name order, letter case aside, a subfolder walked where its name falls.
// Symbolic links are followed, but every real folder is walked once, so a link loop ends; folders
// and files that cannot be read are skipped.
void RunSearch(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options = {});

}  // namespace scarrow
