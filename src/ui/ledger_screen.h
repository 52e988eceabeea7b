// The ledger of a report on the screen: key "l" after a generation and in
// the viewer of earlier reports. The ledger comes from the report's events
// as it was made, so only the reports made in this run of the program have
// one; they are found again by their bytes. Nothing is written to any file.
#pragma once

#include <string_view>

#include "generation.h"
#include "ledger.h"

// The key that opens the ledger, in either case.
constexpr int LEDGER_KEY = 'l', LEDGER_KEY_SHIFTED = 'L';
inline bool is_ledger_key(int key) {
  return key == LEDGER_KEY || key == LEDGER_KEY_SHIFTED;
}

// The prompt after a generation's report: any key goes on, the ledger key
// shows the ledger first.
extern const char LEDGER_CONTINUE_PROMPT[];

// Keeps the ledger of a report made in this run: the bytes it appended, its
// ledger and, for an automatic generation, the tables and settings it was
// made with, which its rank is taken against (null for no rank).
void keep_ledger(std::string_view report, const hoard_ledger &ledger,
                 const generation_input *ranked_with);

// Whether a kept report is this many bytes long: only then do its bytes
// need reading.
bool ledger_kept_for_size(long long size);

// The ledger of the report with these bytes until Escape (or q): its
// totals, its split between the players last chosen (s chooses again) and
// its rank; for a report not made in this run, a line saying there is none.
void show_ledger(std::string_view report);
