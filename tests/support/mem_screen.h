// A screen held in memory for the tests.
#pragma once

#include <array>
#include <clocale>
#include <deque>
#include <string>

#include "screen.h"

// A screen held in memory, fed from a script of keys. When the script runs
// out it answers Escape, which leaves every dialogue; a run that keeps asking
// after that is caught as a runaway loop.
class memory_screen : public text_screen {
 public:
  memory_screen() = default;
  explicit memory_screen(std::deque<int> keys) : keys_(std::move(keys)) {}

  void push_keys(const std::string &keys);
  void push_key(int key) { keys_.push_back(key); }
  // The window takes this size when the script reaches it; read as
  // KEY_PAD_RESIZE by a screen that follows the window.
  void push_resize(int rows, int cols) {
    keys_.push_back(KEY_PAD_RESIZE);
    sizes_.push_back({rows, cols});
  }
  int window_rows() const override { return window_[0]; }
  int window_cols() const override { return window_[1]; }
  std::size_t keys_left() const { return keys_.size(); }
  // Number of reads made after the script ran out.
  int reads_past_end() const { return past_end_; }
  // The whole grid, rows joined by line ends, trailing blanks kept.
  std::string dump() const;

  void refresh() override {}
  void beep() override { ++beeps; }
  int beeps = 0;  // keys refused so far
  int read_key() override;

 private:
  std::deque<int> keys_;
  std::deque<std::array<int, 2>> sizes_;
  std::array<int, 2> window_{SCREEN_ROWS, SCREEN_COLS};
  int past_end_ = 0;
};

// The character type of a UTF-8 locale while it lives, as the program takes
// from a UTF-8 environment at start-up; then the C locale again.
struct Utf8Locale {
  Utf8Locale() : ok(std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr) {}
  ~Utf8Locale() { std::setlocale(LC_CTYPE, "C"); }
  bool ok;
};
