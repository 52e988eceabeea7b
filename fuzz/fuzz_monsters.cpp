// Fuzz target: any bytes as monster.hxi: refused with an empty table, or
// entries that fit their fields, then drawn as the list and the labels.
#include <cstdint>

#include "fuzz_support.h"

namespace {

// Entries fit their fields; a script-safe portable text exactly with 0x2.
void check_table() {
  for (int i = 0; i < MAX_MONSTERS; ++i) {
    const monster_record &m = tables.monsters[i];
    const bool loaded = i < tables.monster_count;
    fuzz::check(loaded || (m.portable_text == nullptr && m.name[0] == '\0'),
                "slots past the count stay empty");
    fuzz::check(strnlen(m.name, NAME_SIZE) < NAME_SIZE &&
                    !std::strchr(m.name, '_') &&
                    strnlen(m.group, GROUP_SIZE) < GROUP_SIZE &&
                    !std::strchr(m.group, '_'),
                "names terminated, without underscores");
    fuzz::check(m.lair_items >= 0 && m.lair_items <= MAX_LAIR_ITEMS,
                "lair items");
    const bool portable = loaded && (m.special_code & HAS_PORTABLE);
    fuzz::check(portable == (m.portable_text != nullptr),
                "a portable text with 0x2");
    fuzz::check(portable || m.portable_code == 0, "a portable code with 0x2");
    fuzz::check(!m.portable_text ||
                    (std::strlen(m.portable_text) <= PORTABLE_TEXT_MAX &&
                     !std::strpbrk(m.portable_text, "_|]")),
                "portable text at most 255 characters, safe for a script");
  }
}

}  // namespace

FUZZ_START(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fuzz::open_bytes(data, size);
  if (!f) return 0;
  char err[256] = "";
  int bad = load_monsters(f, "monster.hxi", tables, err, sizeof err);
  std::fclose(f);
  if (bad) {
    fuzz::check(tables.monster_count == 0, "a refused file leaves no monster");
    fuzz::check(err[0] != '\0' && strnlen(err, sizeof err) < sizeof err,
                "a refused file is described");
    check_table();
    return 0;
  }
  fuzz::check(tables.monster_count >= 1 && tables.monster_count <= MAX_MONSTERS,
              "count 1-90");
  check_table();

  memory_screen screen;
  set_screen(&screen);
  for (int page = 0; page * 36 < tables.monster_count; ++page)
    show_monster_page(tables, page);
  char label[GROUP_SIZE + NAME_SIZE + 2];
  for (int i = 0; i < tables.monster_count; ++i)
    monster_label(tables.monsters[i], label, sizeof label);
  set_screen(nullptr);
  free_monsters(tables);
  return 0;
}
