// Test fixture of the generation engine: a private work folder as the
// current directory, an in-memory screen that keeps a picture of itself at
// every key it is asked for, and small known monster and area tables.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "hoardex.h"
#include "screen.h"
#include "trtables.h"

// Remembers the whole screen each time a key is read.
class SnapScreen : public MemScreen {
 public:
  int read_key() override {
    snaps.push_back(dump());
    return MemScreen::read_key();
  }
  std::vector<std::string> snaps;
};

inline std::string slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void spit(const std::string &path, const std::string &text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

inline bool file_exists(const std::string &path) {
  return std::filesystem::exists(std::filesystem::symlink_status(path));
}

// A row of the screen without its trailing blanks.
inline std::string row_text(const Screen &s, int row) {
  std::string r = s.line(row);
  r.erase(r.find_last_not_of(' ') + 1);
  return r;
}

inline const std::string REPORT_RULE =
    "---------------------------------------------------------------------"
    "------\n\n";

class EngineEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir_ = std::filesystem::current_path();
    char tmpl[] = "/tmp/hxengine.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    std::filesystem::current_path(dir_);
    set_screen(&screen);
    Dice = &dice;

    std::strcpy(script_name, "temp");
    std::strcpy(output_name, "default");
    std::strcpy(pos_txt, " ");
    std::strcpy(comm_txt, " ");
    std::memset(monster, 0, sizeof monster);
    std::memset(area, 0, sizeof area);
    set_monster(0, "Grunt", "Orc", 0, 0, 0);
    set_monster(1, "Wyvern", " ", 0, 0, 0);
    max_mon = 2;
    set_area(0, "Cave", 2, 4, 6, 8);
    set_area(1, "Old Tower", 10, 10, 10, 10);
    max_area = 2;
    info = info_type{};
    info.c_CDF = 1;
    info.max_CDF = 1;
    info.gd_day = 1;
    info.gd_month = 1;
    info.gd_year = 1;
  }

  void TearDown() override {
    set_screen(nullptr);
    Dice = nullptr;
    std::filesystem::current_path(old_dir_);
    std::filesystem::remove_all(dir_);
  }

  static void set_monster(int i, const char *name, const char *group,
                          uint32_t spec, uint32_t port, int trss) {
    monster_type &m = monster[i];
    std::strcpy(m.name, name);
    std::strcpy(m.group, group);
    m.port_txt = nullptr;
    m.spec_code = spec;
    m.port_code = port;
    m.num_of_trss = trss;
  }

  static void set_area(int i, const char *name, int other, int coins, int gemjj,
                       int milit) {
    area_type &a = area[i];
    std::strcpy(a.name, name);
    a.other = other;
    a.coins = coins;
    a.gemjj = gemjj;
    a.milit = milit;
    a.magic = 10;
  }

  std::string output() const { return slurp("default.hxo"); }
  std::string script_text() const { return slurp("temp.hxs"); }

  SnapScreen screen;
  all_dice dice{};
  std::filesystem::path old_dir_;
  std::filesystem::path dir_;
};
