// hoardex list: the monsters and the lairs with the numbers the list screens
// and the --monster and --lair options use.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "info_files.h"

int list_command(output_format format) {
  loaded_session s;
  if (int status = load_command_tables(s.tables)) return status;
  const info_tables &t = s.tables;
  if (format == output_format::json) {
    nlohmann::ordered_json out;
    out["monsters"] = nlohmann::ordered_json::array();
    for (int i = 0; i < t.monster_count; ++i) {
      const monster_record &m = t.monsters[i];
      char label[LABEL_SIZE];
      monster_label(m, label, sizeof label);
      out["monsters"].push_back(
          {{"number", i + 1},
           {"name", m.name},
           {"group", m.group[0] == ' ' ? nlohmann::ordered_json()
                                       : nlohmann::ordered_json(m.group)},
           {"label", label}});
    }
    out["lairs"] = nlohmann::ordered_json::array();
    for (int i = 0; i < t.area_count; ++i)
      out["lairs"].push_back({{"number", i + 1}, {"name", t.areas[i].name}});
    std::puts(out.dump().c_str());
  } else {
    std::puts("Monsters:");
    for (int i = 0; i < t.monster_count; ++i) {
      char label[LABEL_SIZE];
      monster_label(t.monsters[i], label, sizeof label);
      std::printf("%3d: %s\n", i + 1, label);
    }
    std::puts("Lairs:");
    for (int i = 0; i < t.area_count; ++i)
      std::printf("%3d: %s\n", i + 1, t.areas[i].name);
  }
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_BAD_FILE;
}
