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
  bool loaded = load_tables(s.tables, err) == 0;
  if (!check_info_file("monster.hxi", s.tables, problems) ||
      !check_info_file("area.hxi", s.tables, problems)) {
    std::fputs(err.c_str(), stderr);
    return EXIT_BAD_FILE;
  }
  if (loaded) check_info_file("setup.hxi", s.tables, problems);
  std::fputs(problems_text(problems).c_str(), stdout);
  if (explain_files && loaded)
    std::fputs(explain_text(s.tables).c_str(), stdout);
  return problems.empty() ? EXIT_DONE : EXIT_BAD_FILE;
}
