// What the fuzz targets share: a private work folder, the sample tables, a
// headless screen, and a hard stop when a property of the program fails.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

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
  if (!f || load_monsters(f, "monster.hxi", err, sizeof err) != 0)
    fail("the sample monster file does not load");
  std::fclose(f);
  f = std::fopen((dir + "/area.hxi").c_str(), "r");
  if (!f || load_areas(f, "area.hxi", err, sizeof err) != 0)
    fail("the sample area file does not load");
  std::fclose(f);
  default_settings();
}

// An open stream over the input bytes (an empty input reads as an empty
// file).
inline FILE *open_bytes(const uint8_t *data, size_t size) {
  if (size == 0) return std::fopen("/dev/null", "r");
  return fmemopen(const_cast<uint8_t *>(data), size, "r");
}

// The characters the output-name field accepts.
inline bool name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '{' || c == '}' || c == '_';
}

inline bool valid_output_name() {
  std::size_t n = strnlen(output_name, FILE_NAME_SIZE);
  if (n == 0 || n >= FILE_NAME_SIZE) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (!name_char(output_name[i])) return false;
  return true;
}

// The ranges the settings screens keep, and indexes inside the tables.
inline void check_settings() {
  check(info.c_mon >= 0 && info.c_mon < max_mon, "monster index in table");
  check(info.c_area >= 0 && info.c_area < max_area, "area index in table");
  check(info.c_CDF >= 1 && info.c_CDF <= 99, "CDF 1-99");
  check(info.max_CDF >= 1 && info.max_CDF <= 99, "group CDF 1-99");
  check(info.c_JewEL >= 0 && info.c_JewEL <= 80, "jeweler EL 0-80");
  check(info.c_mon_Stat >= 0 && info.c_mon_Stat <= 10, "Station 0-10");
  check(info.c_mon_MEL >= 0 && info.c_mon_MEL <= 50, "MEL 0-50");
  check(info.c_mon_CEL >= 0 && info.c_mon_CEL <= 50, "CEL 0-50");
  check(info.gd_day >= 1 && info.gd_day <= 99, "game day 1-99");
  check(info.gd_month >= 1 && info.gd_month <= 99, "game month 1-99");
  check(info.gd_year >= 1 && info.gd_year <= 9999, "game year 1-9999");
  check(valid_output_name(), "output name of 1-8 allowed characters");
}

}  // namespace fuzz
