// Fixture of the engine's and dialogues' tests: a private folder, small
// tables, the default settings.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "dice.h"
#include "generation.h"
#include "info_files.h"

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

// A file size limit stands in for a full disk while it lives.
struct SizeLimit {
  explicit SizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small{bytes, old.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  }
  ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
  rlimit old{};
};

class EngineEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxengine.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::filesystem::current_path(dir_ = tmpl);
    seed_dice(1);  // the dice as a new program has them, whatever ran before
    default_settings(config);  // output "default", date 1/1/1
    tables.monsters[0] = {"Grunt", "Orc", nullptr, 0, 0, 0};
    tables.monsters[1] = {"Wyvern", " ", nullptr, 0, 0, 0};
    tables.areas[0] = {"Cave", 2, 4, 6, 8, 10};
    tables.areas[1] = {"Old Tower", 10, 10, 10, 10, 10};
    tables.monster_count = tables.area_count = 2;
  }
  void TearDown() override {
    free_monsters(tables);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir_);
  }
  std::string output() const { return slurp("default.hxo"); }
  std::string script_text() const { return slurp(SCRIPT_PATH); }
  // The head a writer gives a script today with the date 1/1/1 of the game.
  static std::string script_head(const std::string &numbers) {
    return today(" ") + "\n1 1 1\n[POS:  \n[COM:  \n----------\n" + numbers +
           "\n----------\n";
  }
  session game;
  info_tables &tables = game.tables;
  settings &config = game.config;
  std::filesystem::path dir_;
};
