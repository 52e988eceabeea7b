// The engine's fixture with an in-memory screen keeping a picture per key read.
#pragma once

#include <algorithm>

#include "dialogs.h"
#include "engine_env.h"
#include "mem_screen.h"

struct snap_screen : memory_screen {
  int read_key() override {
    snaps.push_back(dump());
    lits.push_back(highlighted());
    return memory_screen::read_key();
  }
  // Row r from cell col, no trailing blanks, at the n-th key or now (n < 0).
  std::string row(int n, int r, int col = 0) const {
    std::string s;
    if (n < 0) {
      for (int c = col; c < SCREEN_COLS; ++c) s += cell(r, c);
    } else {  // a picture of plain text: a byte a cell, rows of one width
      const std::size_t width = snaps.at(n).find('\n');
      s = snaps.at(n).substr(r * (width + 1), width);
      s = s.substr(std::min(s.size(), std::size_t(col)));
    }
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
  }
  std::string rows(int first, int last, int col = 0) const {
    std::string out;
    for (int r = first; r <= last; ++r) out += row(-1, r, col) + "\n";
    return out;
  }
  std::vector<std::string> snaps;
  std::vector<span> lits;  // the highlighted cells at each key
};

class UiEnv : public EngineEnv {
 protected:
  void SetUp() override {
    EngineEnv::SetUp();
    set_screen(&screen);
  }
  void TearDown() override {
    set_screen(nullptr);
    EngineEnv::TearDown();
  }
  // The pager over the script temp.hxs, as a generation shows it.
  void show_script() {
    FILE *script = std::fopen("temp.hxs", "r");
    ASSERT_NE(script, nullptr);
    show_generation(game, script);
    std::fclose(script);
  }
  snap_screen screen;
};
