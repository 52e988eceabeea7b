// The ledger's options of roll and run, read into the engine's request.
#include "commands.h"
#include "option_values.h"

void add_ledger_options(CLI::App &command, ledger_options &o, bool roll) {
  command.add_flag("--ledger", o.text,
                   "after each report, its ledger (coins, stated worth, "
                   "totals by unit) on standard output, never in the file");
  command
      .add_option("--rates", o.rates,
                  "exchange rates BB-per-CC,CC-per-SC,SC-per-GC (e.g. "
                  "10,10,10); the rules convert nothing without them")
      ->check(non_empty_value());
  command
      .add_option("--in", o.in,
                  "also the total in this unit (BB, CC, SC, GC), exact "
                  "to the tenth of a BB; needs --rates")
      ->check(non_empty_value());
  add_number_option(command, SPLIT_PLAYERS, o.split,
                    "split each ledger between N players: each share and "
                    "what is left over",
                    "INT");
  if (!roll) return;
  command.add_flag("--pile", o.pile,
                   "one ledger over all the reports, after them");
  command.add_flag("--rank", o.rank,
                   "where each hoard stands among 2,000 hoards of the same "
                   "monster, lair and settings");
}

bool ledger_request_of(const ledger_options &o, ledger_choice &choice) {
  ledger_request &r = choice.asked;
  if (std::string refusal = read_ledger_request(o.rates, o.in, o.split, r);
      !refusal.empty()) {
    complain(refusal);
    return false;
  }
  r.rank = o.rank;
  // A ledger after each text report, unless only the pile's is asked for.
  choice.each =
      o.text || (!o.pile && (r.split > 0 || !o.rates.empty() || o.rank));
  choice.pile = o.pile;
  return true;
}
