// hoardex check [--explain]: every problem of the three information files,
// and on request every monster and lair in words.
#include <cstdio>
#include <string>

#include "commands.h"
#include "info_check.h"
#include "info_explain.h"
#include "info_files.h"

int check_command(bool explain_files) {
  loaded_session s;
  std::vector<info_problem> problems;
  std::string err;
  int load = load_tables(s.tables, err);
  if (!check_info_file("monster.hxi", s.tables, problems) ||
      !check_info_file("area.hxi", s.tables, problems)) {
    write_load_failure(load, err);
    return EXIT_BAD_FILE;
  }
  const bool has_setup =
      load == 0 && check_info_file("setup.hxi", s.tables, problems);
  std::fputs(problems_text(problems, has_setup).c_str(), stdout);
  if (explain_files && load == 0)
    std::fputs(explain_text(s.tables).c_str(), stdout);
  return has_faults(problems) ? EXIT_BAD_FILE : EXIT_DONE;
}
