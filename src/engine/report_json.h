// A report as one line of JSON, built event by event, and the JSON string
// of a text; written by hand so every front end (the command line, a page)
// prints the same bytes.
#pragma once

#include <map>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "ledger.h"
#include "model.h"
#include "report_sink.h"

// A text as a JSON string, quotes included: the quote, the backslash and
// the control characters escaped, UTF-8 as it is, and each stretch of bytes
// that is not UTF-8 (a stray byte, a sequence cut short, an overlong form,
// a surrogate) one U+FFFD, so text from the files never stops the output.
std::string json_string(std::string_view text);

// A JSON document as one line of text, any bytes that are not UTF-8 in its
// strings written as U+FFFD, so the writer never stops on them.
std::string json_text(const nlohmann::ordered_json &value);

// Builds a report as one line of JSON while the interpreter reads it: after
// each event `out` holds what is new, so a caller may write it and empty it
// (a report of any size in bounded memory) or keep it whole. The object:
// real_date, game_date, position, comments, lair, monster, settings (cdf,
// group_cdf, jeweler_el, station, mel, cel, answers), sections (name,
// entries) and complete. `used` gives the settings of a generation (null for
// a script read from a file: MEL, CEL and the answers are unknown, null).
// Each report ends with its "ledger" (ledger_json), with the rates, split
// and rank `ledger_asked` asks for.
class json_report_writer : public report_sink {
 public:
  explicit json_report_writer(const settings *used) : used_(used) {}
  void header(const report_header &h) override;
  void section(section_kind kind, std::string_view text, int lines) override;
  void literal(std::string_view text, int lines, bool closed) override;
  // A long text comes in pieces, each written as it comes.
  bool takes_literal_pieces() const override { return true; }
  void literal_piece(std::string_view piece) override;
  void item(const report_item &item) override;
  void end(const report_end &e) override;

  std::string out;
  // What the ledger of each report gives besides its totals, and the
  // reference hoards its rank is taken against (null: no rank).
  ledger_request ledger_asked;
  const std::vector<unit_tenths> *reference = nullptr;
  // The digits of the seed the report was rolled from, written as "seed"
  // after "complete"; "" (a seed not known) writes none.
  std::string seed;
  // The last report's ledger.
  const hoard_ledger &ledger() const { return ledger_.ledger; }

 private:
  void open_section(std::string_view name);
  void entry(const std::string &json_text);
  std::string coins_json(const coin_count &coins);
  void text_part(std::string_view piece, bool last);

  const settings *used_;
  bool in_section_ = false, first_section_ = true, first_entry_ = true;
  bool text_open_ = false;  // a text entry has begun with its first piece
  std::string cut_;         // a character the last piece's end cut, waiting
  std::map<std::string, long> coins_;  // the report's coins by kind
  ledger_sink ledger_;
};
