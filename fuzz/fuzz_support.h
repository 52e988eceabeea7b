// What the fuzz targets share: a private work folder, the sample tables, a
// headless screen, and a hard stop when a property of the program fails.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "dialogs.h"
#include "dice.h"
#include "info_files.h"
#include "mem_screen.h"

// What the dialogues work on, for the whole run of a target.
inline session ss;
inline info_tables &tables = ss.tables;
inline settings &config = ss.config;

namespace fuzz {

// Reports a broken property and stops, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what) {
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

inline void check(bool ok, const char *what) {
  if (!ok) fail(what);
}

inline char g_work_dir[] = "/tmp/hoardex-fuzz-XXXXXX";

// Moves the process into a fresh folder of its own, so the files a target
// writes (script, output, settings) never touch the checkout. The folder is
// removed when the run ends normally; after a finding it stays for a look.
inline void enter_work_dir() {
  if (!mkdtemp(g_work_dir) || chdir(g_work_dir) != 0)
    fail("cannot make a work folder");
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(g_work_dir, ec);
  });
}

// Loads the sample monster and area files from data/.
inline void load_sample_tables() {
  char err[256];
  std::string dir = HOARDEX_DATA_DIR;
  FILE *f = std::fopen((dir + "/monster.hxi").c_str(), "r");
  if (!f || load_monsters(f, "monster.hxi", tables, err, sizeof err) != 0)
    fail("the sample monster file does not load");
  std::fclose(f);
  f = std::fopen((dir + "/area.hxi").c_str(), "r");
  if (!f || load_areas(f, "area.hxi", tables, err, sizeof err) != 0)
    fail("the sample area file does not load");
  std::fclose(f);
  default_settings(config);
}

// An open stream over the input bytes (an empty input reads as an empty
// file).
inline FILE *open_bytes(const uint8_t *data, size_t size) {
  if (size == 0) return std::fopen("/dev/null", "r");
  return fmemopen(const_cast<uint8_t *>(data), size, "r");
}

// Removes the reports the menu's generations append, so the work folder
// does not grow from run to run.
inline void remove_outputs() {
  for (const auto &e : std::filesystem::directory_iterator("."))
    if (e.path().extension() == ".hxo") std::filesystem::remove(e.path());
}

// The ranges the settings screens keep, and indexes inside the tables.
inline void check_settings() {
  check(
      config.monster_index >= 0 && config.monster_index < tables.monster_count,
      "monster index in table");
  check(config.lair_index >= 0 && config.lair_index < tables.area_count,
        "area index in table");
  check(config.cdf >= 1 && config.cdf <= 99, "CDF 1-99");
  check(config.group_cdf >= 1 && config.group_cdf <= 99, "group CDF 1-99");
  check(config.jeweler_el >= 0 && config.jeweler_el <= 80, "jeweler EL 0-80");
  check(config.station >= 0 && config.station <= 10, "Station 0-10");
  check(config.mel >= 0 && config.mel <= 50, "MEL 0-50");
  check(config.cel >= 0 && config.cel <= 50, "CEL 0-50");
  check(config.game_day >= 1 && config.game_day <= 99, "game day 1-99");
  check(config.game_month >= 1 && config.game_month <= 99, "game month 1-99");
  check(config.game_year >= 1 && config.game_year <= 9999, "game year 1-9999");
  const std::size_t n = strnlen(config.output_name, FILE_NAME_SIZE);
  check(n > 0 && n < FILE_NAME_SIZE, "output name of 1-8 characters");
  for (std::size_t i = 0; i < n; ++i)
    check(is_output_name_char(config.output_name[i]), "output name alphabet");
}

}  // namespace fuzz
