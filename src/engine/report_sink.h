// Where the interpreter sends a report: the parsed header, then in script
// order each section start, literal text and treasure item, then the end.
// Every text comes with the number of screen lines it counts for, so a pager
// can page it; text_report turns the events into the exact bytes the output
// file receives.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "trtables.h"

// How far the script's header could be read; a header cut short or
// malformed stops at the last part that was whole.
enum class header_part {
  none,       // not even the real date
  real_date,  // the real date
  game_date,  // and the game date
  position,   // and some words of the position (maybe all of them)
  complete,   // and the comment and the numbers line
};

struct report_header {
  header_part read;
  int real_date[3];  // day, month, year
  int game_date[3];
  // The words of the texts, each followed by one blank.
  std::string_view position;
  std::string_view comment;
  int area_index;
  std::string_view area_label;  // "(unknown)" for no loaded area
  int monster_index;
  std::string_view monster_label;  // also "Manual generation", "(unknown)"
  int cdf;
  int group_cdf;
  int jeweler_el;
  int station;  // -1: none
  bool has_portable_code;
  long portable_code;
};

enum class section_kind { portable, lair_treasure, manual_generation };

struct report_item {
  int category;               // the category code its keywords chose
  std::string_view keywords;  // its keyword tokens in order, blank-separated
  std::string_view text;      // its text in the report
  int lines;                  // the screen lines the category routine counts
  coin_count coins;           // a coin item's coins; kind none otherwise
  item_values values;         // the values its text states, in text order
};

struct report_end {
  bool complete;      // every open section was closed
  long stopped_line;  // 1-based script line where reading stopped, if not
};

// The size of the pieces of a long literal text for a sink that takes them.
constexpr std::size_t LITERAL_PIECE = 64 * 1024;

class report_sink {
 public:
  virtual ~report_sink() = default;
  // Always first, also for a header cut short.
  virtual void header(const report_header &h) = 0;
  // A section word, with the heading text the report shows for it.
  virtual void section(section_kind kind, std::string_view text, int lines) = 0;
  // A literal text; `closed` is false when the script ended inside it.
  virtual void literal(std::string_view text, int lines, bool closed) = 0;
  // A sink that writes a long literal text as it comes says so: the text's
  // start then comes in pieces of LITERAL_PIECE bytes, in order, and
  // literal() brings the rest (and the whole text's lines). Others get the
  // text whole.
  virtual bool takes_literal_pieces() const { return false; }
  virtual void literal_piece(std::string_view piece) { (void)piece; }
  virtual void item(const report_item &item) = 0;
  // Always last.
  virtual void end(const report_end &e) = 0;
  // Something of the script that the report leaves out or cannot use (an
  // unknown word, an item without a category or not closed), at its 1-based
  // line. The report is the same whether or not a sink listens.
  virtual void warning(long line, std::string_view what) {
    (void)line;
    (void)what;
  }
};

// Collects the report's bytes exactly as they are appended to the output.
class text_report : public report_sink {
 public:
  void header(const report_header &h) override;
  void section(section_kind kind, std::string_view text, int lines) override;
  void literal(std::string_view text, int lines, bool closed) override;
  bool takes_literal_pieces() const override { return true; }
  void literal_piece(std::string_view piece) override { text_ += piece; }
  void item(const report_item &item) override;
  void end(const report_end &e) override;

  const std::string &text() const { return text_; }
  // Empties the text, keeping its storage for the next report.
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

// Sends every event to two sinks in turn: the report's text and another
// reader of the same report (the screen, a JSON writer).
class both_sinks : public report_sink {
 public:
  both_sinks(report_sink &first, report_sink &second)
      : first_(first), second_(second) {}
  void header(const report_header &h) override {
    first_.header(h);
    second_.header(h);
  }
  void section(section_kind kind, std::string_view text, int lines) override {
    first_.section(kind, text, lines);
    second_.section(kind, text, lines);
  }
  void literal(std::string_view text, int lines, bool closed) override {
    first_.literal(text, lines, closed);
    second_.literal(text, lines, closed);
  }
  void item(const report_item &item) override {
    first_.item(item);
    second_.item(item);
  }
  void end(const report_end &e) override {
    first_.end(e);
    second_.end(e);
  }
  void warning(long line, std::string_view what) override {
    first_.warning(line, what);
    second_.warning(line, what);
  }

 private:
  report_sink &first_;
  report_sink &second_;
};
