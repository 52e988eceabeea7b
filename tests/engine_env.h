// Fixture of the engine's and dialogues' tests: a private folder, a screen
// keeping a picture at each key read, small tables, the default settings.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

struct SnapScreen : MemScreen {
  int read_key() override {
    snaps.push_back(dump());
    return MemScreen::read_key();
  }
  // Row r from column col, no trailing blanks, at the n-th key or now (n < 0).
  std::string row(int n, int r, int col = 0) const {
    std::string s = n < 0 ? line(r) : snaps.at(n).substr(r * 81, 80);
    s.erase(s.find_last_not_of(' ') + 1);
    return s.substr(std::min(s.size(), std::size_t(col)));
  }
  std::string rows(int first, int last, int col = 0) const {
    std::string out;
    for (int r = first; r <= last; ++r) out += row(-1, r, col) + "\n";
    return out;
  }
  std::vector<std::string> snaps;
};

inline std::string slurp(const std::string &path) {  // a file's bytes
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
inline void spit(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
}
inline std::string today(const char *sep) {  // day first
  std::time_t now = std::time(nullptr);
  std::tm t = *std::localtime(&now);
  return std::to_string(t.tm_mday) + sep + std::to_string(t.tm_mon + 1) + sep +
         std::to_string(t.tm_year + 1900);
}
inline const std::string REPORT_RULE = std::string(75, '-') + "\n\n";

class EngineEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxengine.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::filesystem::current_path(dir_ = tmpl);
    set_screen(&screen);
    Dice = &dice;
    default_settings();  // output "default", script "temp", date 1/1/1
    std::strcpy(pos_txt, " "), std::strcpy(comm_txt, " ");
    monster[0] = {"Grunt", "Orc", nullptr, 0, 0, 0};
    monster[1] = {"Wyvern", " ", nullptr, 0, 0, 0};
    area[0] = {"Cave", 2, 4, 6, 8, 10};
    area[1] = {"Old Tower", 10, 10, 10, 10, 10};
    max_mon = max_area = 2;
  }
  void TearDown() override {
    set_screen(nullptr), Dice = nullptr;
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir_);
  }
  std::string output() const { return slurp("default.hxo"); }
  std::string script_text() const { return slurp("temp.hxs"); }
  // The head a writer gives a script today with the date 1/1/1 of the game.
  static std::string script_head(const std::string &numbers) {
    return today(" ") + "\n1 1 1\n[POS:  \n[COM:  \n----------\n" + numbers +
           "\n----------\n";
  }
  SnapScreen screen;
  all_dice dice{};
  std::filesystem::path dir_;
};
