// The checker reports exactly what the loader refuses or would change.
#include "engine_env.h"
#include "info_check.h"

namespace {

const std::string GOOD_MONSTERS =
    "2\nImp _ 1 0x0\nMage Gloamkin 2 0x2 0x20000 gold|coins\n";
const std::string GOOD_AREAS = "1\nCave 2 4 6 8 10\n";

using InfoRules = EngineEnv;

std::vector<info_problem> check(const char *name, const info_tables &t) {
  std::vector<info_problem> found;
  EXPECT_TRUE(check_info_file(name, t, found)) << name;
  return found;
}

TEST_F(InfoRules, LoaderRefusesWhatTheCheckerReportsInTheSameWords) {
  const struct {
    const char *file, *text, *line_entry;  // the checker's first problem
    bool same_words = true;  // the loader says "cut short" in its own words
  } cases[] = {
      {"monster.hxi", "1\nImp _ 1 0x0\n", nullptr},
      {"monster.hxi", "2\nImp _ x 0x0\nOrc _ 1 0xZZ\n", "2: monster 1 (Imp)"},
      {"monster.hxi", "1\nIm\x1bp _ 1 0x0\n", "2: monster 1"},
      {"monster.hxi", "1\nImp _ 1000 0x0\n", "2: monster 1 (Imp)"},
      {"monster.hxi", "1\nImp _ 1 0x2 0x10000\n", "2: monster 1 (Imp)", false},
      {"monster.hxi", "91\n", "1: "},
      {"area.hxi", "1\nCave 2 4 6 8 1e3\n", "2: area 1 (Cave)"},
      {"area.hxi", "0\n", "1: "},
  };
  for (const auto &c : cases) {
    bool monsters = std::string(c.file) == "monster.hxi";
    spit("monster.hxi", monsters ? c.text : GOOD_MONSTERS);
    spit("area.hxi", monsters ? GOOD_AREAS : c.text);
    std::string err;
    int loaded = load_tables(tables, err);
    std::vector<info_problem> found = check(c.file, tables);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(loaded == 2, !found.empty()) << err;
    if (found.empty() || !c.line_entry) {
      EXPECT_EQ(c.line_entry, nullptr) << (found.empty() ? "" : found[0].what);
      continue;
    }
    // The loader's message: the entry without its label, the first problem.
    EXPECT_EQ(std::to_string(found[0].line) + ": " + found[0].entry,
              c.line_entry);
    if (!c.same_words) continue;
    std::string entry = found[0].entry.substr(0, found[0].entry.find(" ("));
    EXPECT_EQ(err, std::string(c.file) + ": " + entry +
                       (entry.empty() ? "" : ": ") + found[0].what + "\n");
  }
  spit("monster.hxi", "2\nImp _ x 0x0\nOrc _ 1 0xZZ\n");
  EXPECT_EQ(check("monster.hxi", tables).size(), 2u) << "reads on";
}

}  // namespace
