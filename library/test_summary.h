#pragma once

#include <QString>

namespace tawen {

// The text the error word table shows after a review or consolidation test:
// how many words were tested, how many were missed, the share right ("0.00%"),
// the speed in whole words a minute, then what the table's buttons do. Lines
// are separated by a line feed.
QString testSummaryText(int words, int errors, double wordsPerMinute);

}  // namespace tawen
