#pragma once
// What a batch came to, row by row: the status line under the list says it
// once the batch has ended.
#include <QString>

struct CRowResult;

struct CBatchTally {
    int converted = 0;
    int failed = 0;
    int warned = 0;      // converted, with warnings
    int notStarted = 0;  // after a stop

    void Count(const CRowResult& result);
    // "3 converted, 1 failed (1 with warnings)", and the rows a stop left out.
    QString StatusText() const;
    // Put before the final question when files failed; empty otherwise.
    QString FailedLead() const;
};
