// Fixture of the engine's tests: a private work folder, a screen keeping a
// picture at every key it reads, small monster and area tables.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "hoardex.h"
#include "screen.h"

class SnapScreen : public MemScreen {
 public:
  int read_key() override {
    snaps.push_back(dump());
    return MemScreen::read_key();
  }
  // A row without trailing blanks when the n-th key was read, or now (n < 0).
  std::string row(int n, int r) const {
    std::string s = n < 0 ? line(r) : snaps.at(n).substr(r * 81, 80);
    return s.erase(s.find_last_not_of(' ') + 1);
  }
  std::vector<std::string> snaps;
};

inline std::string slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void spit(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string today(const char *sep) {  // day first
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return std::to_string(t.tm_mday) + sep + std::to_string(t.tm_mon + 1) + sep +
         std::to_string(t.tm_year + 1900);
}

inline const std::string REPORT_RULE =
    "---------------------------------------------------------------------"
    "------\n\n";

class EngineEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxengine.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::filesystem::current_path(dir_ = tmpl);
    set_screen(&screen);
    Dice = &dice;
    std::strcpy(script_name, "temp");
    std::strcpy(output_name, "default");
    std::strcpy(pos_txt, " ");
    std::strcpy(comm_txt, " ");
    monster[0] = {"Grunt", "Orc", nullptr, 0, 0, 0};
    monster[1] = {"Wyvern", " ", nullptr, 0, 0, 0};
    area[0] = {"Cave", 2, 4, 6, 8, 10};
    area[1] = {"Old Tower", 10, 10, 10, 10, 10};
    max_mon = max_area = 2;
    // Area, monster, CDF, max CDF, JewEL, extra, Station, MEL, CEL, date, yes.
    info = {0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0};
  }
  void TearDown() override {
    set_screen(nullptr);
    Dice = nullptr;
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir_);
  }
  std::string output() const { return slurp("default.hxo"); }
  std::string script_text() const { return slurp("temp.hxs"); }

  SnapScreen screen;
  all_dice dice{};
  std::filesystem::path dir_;
};
