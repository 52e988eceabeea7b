// Fuzz target: any bytes as monster.hxi. The loader either refuses the file
// and leaves the table empty, or fills it with entries that fit their
// fields; the monster list and the report label are then drawn from it.
#include <cstdint>
#include <cstring>

#include "fuzz_support.h"

namespace {

bool has_char(const char *s, std::size_t n, char c) {
  return std::memchr(s, c, strnlen(s, n)) != nullptr;
}

void check_table() {
  for (int i = 0; i < MAX_MONSTERS; ++i) {
    const monster_record &m = tables.monsters[i];
    if (i >= tables.monster_count) {
      fuzz::check(m.portable_text == nullptr && m.name[0] == '\0',
                  "slots past the count stay empty");
      continue;
    }
    fuzz::check(strnlen(m.name, NAME_SIZE) < NAME_SIZE, "name terminated");
    fuzz::check(strnlen(m.group, GROUP_SIZE) < GROUP_SIZE, "group terminated");
    fuzz::check(!has_char(m.name, NAME_SIZE, '_'), "no underscore in a name");
    fuzz::check(!has_char(m.group, GROUP_SIZE, '_'),
                "no underscore in a group");
    fuzz::check(m.lair_items >= 0 && m.lair_items <= 999,
                "lair item count 0-999");
    if (!(m.special_code & 0x2)) {
      fuzz::check(m.portable_text == nullptr && m.portable_code == 0,
                  "portable fields only with 0x2");
      continue;
    }
    fuzz::check(m.portable_text != nullptr, "a portable text with 0x2");
    std::size_t n = std::strlen(m.portable_text);
    fuzz::check(n <= PORTABLE_TEXT_MAX, "portable text at most 255 characters");
    fuzz::check(!std::strpbrk(m.portable_text, "_|]"),
                "portable text translated and safe for a script");
  }
}

}  // namespace

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

  // Draw what the program draws from the table: every page of the monster
  // list and every label.
  MemScreen screen;
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
