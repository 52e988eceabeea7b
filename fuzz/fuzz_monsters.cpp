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
    const monster_type &m = monster[i];
    if (i >= max_mon) {
      fuzz::check(m.port_txt == nullptr && m.name[0] == '\0',
                  "slots past the count stay empty");
      continue;
    }
    fuzz::check(strnlen(m.name, NAME_SIZE) < NAME_SIZE, "name terminated");
    fuzz::check(strnlen(m.group, GROUP_SIZE) < GROUP_SIZE, "group terminated");
    fuzz::check(!has_char(m.name, NAME_SIZE, '_'), "no underscore in a name");
    fuzz::check(!has_char(m.group, GROUP_SIZE, '_'),
                "no underscore in a group");
    fuzz::check(m.num_of_trss >= 0 && m.num_of_trss <= 999,
                "lair item count 0-999");
    if (!(m.spec_code & 0x2)) {
      fuzz::check(m.port_txt == nullptr && m.port_code == 0,
                  "portable fields only with 0x2");
      continue;
    }
    fuzz::check(m.port_txt != nullptr, "a portable text with 0x2");
    std::size_t n = std::strlen(m.port_txt);
    fuzz::check(n <= PORT_TXT_MAX, "portable text at most 255 characters");
    fuzz::check(!std::strpbrk(m.port_txt, "_|]"),
                "portable text translated and safe for a script");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  fuzz::enter_work_dir();
  default_settings();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fuzz::open_bytes(data, size);
  if (!f) return 0;
  char err[256];
  std::memset(err, 0, sizeof err);
  int bad = load_monsters(f, "monster.hxi", err, sizeof err);
  std::fclose(f);
  if (bad) {
    fuzz::check(max_mon == 0, "a refused file leaves no monster");
    fuzz::check(err[0] != '\0' && strnlen(err, sizeof err) < sizeof err,
                "a refused file is described");
    check_table();
    return 0;
  }
  fuzz::check(max_mon >= 1 && max_mon <= MAX_MONSTERS, "count 1-90");
  check_table();

  // Draw what the program draws from the table: every page of the monster
  // list and every label.
  MemScreen screen;
  set_screen(&screen);
  for (int page = 0; page * 36 < max_mon; ++page) mon_page(page);
  char label[GROUP_SIZE + NAME_SIZE + 2];
  for (int i = 0; i < max_mon; ++i)
    monster_label(monster[i], label, sizeof label);
  set_screen(nullptr);
  free_monsters();
  return 0;
}
