// Fuzz target: any bytes as area.hxi. The loader either refuses the file and
// leaves the table empty, or fills it with names that fit their field; the
// lair list is then drawn from it.
#include <cstdint>
#include <cstring>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  fuzz::enter_work_dir();
  default_settings(config);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fuzz::open_bytes(data, size);
  if (!f) return 0;
  char err[256];
  std::memset(err, 0, sizeof err);
  int bad = load_areas(f, "area.hxi", tables, err, sizeof err);
  std::fclose(f);
  if (bad) {
    fuzz::check(tables.area_count == 0, "a refused file leaves no area");
    fuzz::check(err[0] != '\0', "a refused file is described");
    for (const area_record &a : tables.areas)
      fuzz::check(a.name[0] == '\0', "a refused file leaves no name");
    return 0;
  }
  fuzz::check(tables.area_count >= 1 && tables.area_count <= MAX_AREAS,
              "count 1-32");
  for (int i = 0; i < tables.area_count; ++i) {
    fuzz::check(strnlen(tables.areas[i].name, NAME_SIZE) < NAME_SIZE,
                "name terminated");
    fuzz::check(!std::memchr(tables.areas[i].name, '_', NAME_SIZE),
                "no underscore in a name");
  }

  // The lair list; the scripted screen answers Escape, which keeps the
  // current lair.
  MemScreen screen;
  set_screen(&screen);
  config.lair_index = 0;
  fuzz::check(select_area(ss) == 0, "Escape keeps the current lair");
  set_screen(nullptr);
  return 0;
}
