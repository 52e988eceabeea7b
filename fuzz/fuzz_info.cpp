// Fuzz target: the information files. An even first byte makes the rest
// monster.hxi: refused with an empty table, or entries that fit their
// fields, then drawn as the list and the labels. An odd one makes it
// setup.hxi: the settings come out inside the ranges the screens keep, and
// a save read back gives the same settings.
#include <cstdint>

#include "fuzz_support.h"

namespace {

// The monsters read from the input; the samples stay in `tables` for the
// settings to be checked against.
info_tables loaded;

// Entries fit their fields; a script-safe portable text exactly with 0x2.
void check_table() {
  for (int i = 0; i < MAX_MONSTERS; ++i) {
    const monster_record &m = loaded.monsters[i];
    const bool in_table = i < loaded.monster_count;
    fuzz::check(in_table || (m.portable_text == nullptr && m.name[0] == '\0'),
                "slots past the count stay empty");
    fuzz::check(strnlen(m.name, NAME_SIZE) < NAME_SIZE &&
                    !std::strchr(m.name, '_') &&
                    strnlen(m.group, GROUP_SIZE) < GROUP_SIZE &&
                    !std::strchr(m.group, '_'),
                "names terminated, without underscores");
    fuzz::check(m.lair_items >= 0 && m.lair_items <= MAX_LAIR_ITEMS,
                "lair items");
    const bool portable = in_table && (m.special_code & HAS_PORTABLE);
    fuzz::check(portable == (m.portable_text != nullptr),
                "a portable text with 0x2");
    fuzz::check(portable || m.portable_code == 0, "a portable code with 0x2");
    fuzz::check(!m.portable_text ||
                    (std::strlen(m.portable_text) <= PORTABLE_TEXT_MAX &&
                     !std::strpbrk(m.portable_text, "_|]")),
                "portable text at most 255 characters, safe for a script");
  }
}

void fuzz_monsters(FILE *f) {
  char err[256] = "";
  int bad = load_monsters(f, "monster.hxi", loaded, err, sizeof err);
  std::fclose(f);
  check_table();
  if (bad) {
    fuzz::check(loaded.monster_count == 0, "a refused file leaves no monster");
    fuzz::check(err[0] != '\0' && strnlen(err, sizeof err) < sizeof err,
                "a refused file is described");
    return;
  }
  fuzz::check(loaded.monster_count >= 1 && loaded.monster_count <= MAX_MONSTERS,
              "count 1-90");
  memory_screen screen;
  set_screen(&screen);
  for (int page = 0; page * 36 < loaded.monster_count; ++page)
    show_monster_page(loaded, page);
  char label[GROUP_SIZE + NAME_SIZE + 2];
  for (int i = 0; i < loaded.monster_count; ++i)
    monster_label(loaded.monsters[i], label, sizeof label);
  set_screen(nullptr);
  free_monsters(loaded);
}

void fuzz_settings(FILE *f, size_t size) {
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check_settings();
  // A save is slow (fsync): only a share of the inputs take the round trip.
  if (size % 8 != 0) return;
  settings before = config;
  fuzz::check(save_settings("setup.hxi", config) == 0,
              "the settings are saved");
  f = std::fopen("setup.hxi", "r");
  fuzz::check(f != nullptr, "the saved settings open");
  load_settings(f, tables, config);
  std::fclose(f);
  fuzz::check(std::memcmp(&before, &config, sizeof config) == 0,
              "saved settings read back unchanged");
}

}  // namespace

FUZZ_START(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  FILE *f = fuzz::open_bytes(data + 1, size - 1);
  if (!f) return 0;
  if (data[0] % 2 == 0)
    fuzz_monsters(f);
  else
    fuzz_settings(f, size - 1);
  return 0;
}
