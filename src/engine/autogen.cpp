// Automatic generation for the current settings (menu key "7"): writes the
// treasure script for the current monster and lair, then has the interpreter
// evaluate it.
#include "dice.h"
#include "engine.h"
#include "screen.h"
#include "scriptio.h"

namespace {

constexpr uint32_t ADD_ONE = 0x1;
constexpr uint32_t STATION_EXTRA = 0x4;  // Station + 1 extra lair items
constexpr uint32_t MEL_EXTRA = 0x8;      // MEL extra lair items
constexpr uint32_t MAY_HAVE_OTHERS = 0x10;

// Extra lair items on top of the monster's own number.
int extra_lair_items(uint32_t spec_code) {
  if (spec_code & STATION_EXTRA) return info.c_mon_Stat + 1;
  if (spec_code & MEL_EXTRA) return info.c_mon_MEL;
  if ((spec_code & MAY_HAVE_OTHERS) && info.other_mon == 0 && D100() <= 30)
    return D6();
  return 0;
}

}  // namespace

int generate_cs() {
  Screen &s = scr();
  s.clear();
  s.move(1, 1);
  title_banner();
  s.write("\tGENERATE TREASURE FOR CURRENT SETTINGS\n\n");

  if (script_create() != 0) {
    generation_failed(MSG_SCRIPT_WRITE);
    return 1;
  }
  const monster_type &m = monster_at(info.c_mon);
  int station = (m.spec_code & STATION_EXTRA) ? info.c_mon_Stat : -1;
  script_header(info.c_area, info.c_mon, info.c_CDF, info.max_CDF, info.c_JewEL,
                station, static_cast<long>(m.port_code));

  script_line("PORTABLE\n");
  // The answers share the bit 0x10 with the generation bits; an OR keeps a
  // yes to "other monsters" from carrying into 0x20 (the Station bit).
  uint32_t flags = (m.spec_code & 0xFF) | info.other_mon;
  main_portable_table(info.c_area, flags, m.port_code, m.port_txt);
  script_line("END-OF-SECTION\n----------\nLAIR-TREASURE\n");

  info.c_var_trss = extra_lair_items(m.spec_code);
  main_treasure_table(info.c_area, m.num_of_trss + info.c_var_trss,
                      (m.spec_code & ADD_ONE) ? 1 : 0);
  script_line("END-OF-SECTION\n");

  if (script_close() != 0) {
    generation_failed(MSG_SCRIPT_WRITE);
    return 1;
  }
  run_script_con(18);
  return 0;
}
