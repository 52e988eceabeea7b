// The report on the screen while it is read: body texts page by page below
// the heading, with "Hit any key to continue." between pages.
#pragma once

#include <cstddef>
#include <string_view>

#include "report_sink.h"

// Waits for a key with a prompt on the prompt line.
void wait_key(const char *prompt);
extern const char HIT_ANY_KEY[];

class report_pager : public report_sink {
 public:
  // Pauses after every `lines` lines counted; the body starts at the cursor.
  explicit report_pager(int lines) : lines_(lines) {}

  void header(const report_header &) override {}
  void section(section_kind kind, std::string_view text, int lines) override;
  void literal(std::string_view text, int lines, bool closed) override;
  void item(const report_item &item) override;
  void end(const report_end &) override {}

 private:
  void echo(const char *text, std::size_t n, bool continued);
  void pause_page();
  void check_page();

  int lines_;
  long counter_ = 0;        // lines counted since the last pause
  bool page_fresh_ = true;  // nothing echoed since the page began
};
