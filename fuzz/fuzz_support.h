// What the fuzz targets share: a work folder, the sample tables, checks.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "dialogs.h"
#include "dice.h"
#include "info_files.h"
#include "mem_screen.h"

// What the dialogues work on, for the whole run of a target.
inline session game;
inline info_tables &tables = game.tables;
inline settings &config = game.config;

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

// Every target's start: a fresh work folder (kept after a finding), the
// default settings and, if asked, the sample tables.
inline int start(bool with_sample_tables) {
  if (!mkdtemp(g_work_dir) || chdir(g_work_dir) != 0)
    fail("cannot make a work folder");
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(g_work_dir, ec);
  });
  default_settings(config);
  char err[256];
  for (const char *name : {"monster.hxi", "area.hxi"}) {
    if (!with_sample_tables) break;
    FILE *f =
        std::fopen((HOARDEX_DATA_DIR "/" + std::string(name)).c_str(), "r");
    bool monsters = name[0] == 'm';
    if (!f || (monsters ? load_monsters(f, name, tables, err, sizeof err)
                        : load_areas(f, name, tables, err, sizeof err)) != 0)
      fail("a sample file does not load");
    std::fclose(f);
  }
  return 0;
}

// A file's bytes, and a file made of bytes.
inline std::string read_file(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
inline void write_file(const char *path, const void *data, size_t size) {
  std::ofstream(path, std::ios::binary)
      .write(static_cast<const char *>(data), static_cast<long>(size));
}

// An open stream over the input bytes (an empty input: an empty file).
inline FILE *open_bytes(const uint8_t *data, size_t size) {
  if (size == 0) return std::fopen("/dev/null", "r");
  return fmemopen(const_cast<uint8_t *>(data), size, "r");
}

// Removes the reports generations append, so the folder does not grow.
inline void remove_outputs() {
  for (const auto &e : std::filesystem::directory_iterator("."))
    if (e.path().extension() == ".hxo") std::filesystem::remove(e.path());
}

inline void check_range(int value, int low, int high, const char *what) {
  check(value >= low && value <= high, what);
}

// The ranges the settings screens keep, and indexes inside the tables.
inline void check_settings() {
  check_range(config.monster_index, 0, tables.monster_count - 1, "monster");
  check_range(config.lair_index, 0, tables.area_count - 1, "area index");
  check_range(config.cdf, 1, 99, "CDF 1-99");
  check_range(config.group_cdf, 1, 99, "group CDF 1-99");
  check_range(config.jeweler_el, 0, 80, "jeweler EL 0-80");
  check_range(config.station, 0, 10, "Station 0-10");
  check_range(config.mel, 0, 50, "MEL 0-50");
  check_range(config.cel, 0, 50, "CEL 0-50");
  check_range(config.game_day, 1, 99, "game day 1-99");
  check_range(config.game_month, 1, 99, "game month 1-99");
  check_range(config.game_year, 1, 9999, "game year 1-9999");
  const std::size_t n = strnlen(config.output_name, FILE_NAME_SIZE);
  check(n > 0 && n < FILE_NAME_SIZE, "output name of 1-8 characters");
  for (std::size_t i = 0; i < n; ++i)
    check(is_output_name_char(config.output_name[i]), "output name alphabet");
}

}  // namespace fuzz

// A target's libFuzzer start: fuzz::start with or without the samples.
#define FUZZ_START(with_sample_tables)                   \
  extern "C" int LLVMFuzzerInitialize(int *, char ***) { \
    return fuzz::start(with_sample_tables);              \
  }
