// Golden reports: treasure worked out with the dice swept over every face of
// every draw, compared byte for byte with tests/golden/*.gz.
//
// Tables: for each item form (its keywords and the numbers of the script's
// header), a few records of context dice; in each, every draw of the record
// takes every face of its die in turn while the others stay, and the text
// is listed wherever it changes from the face before. Writers: for each
// monster and settings, the automatic script with every draw the writer
// makes swept the same way, listed wherever it changes, then the whole
// report of the unswept script.
//
// After a deliberate change of the treasure, regenerate and review the diff:
//   HOARDEX_GOLDEN_WRITE=1 build/tests/hoardex_engine_tests
//     --gtest_filter='Golden*'    (then: git diff --stat tests/golden)
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "memory_generation.h"
#include "scripted_rand.h"

namespace {

const std::string GOLDEN = HOARDEX_DATA_DIR "/../tests/golden/";

// A writer's dice: draw n takes `face` when it is the swept draw, otherwise a
// value fixed by the context and n's place in the script.
struct sweep_state {
  uint64_t context = 0;
  long n = 0, target = -1;
  int face = 0;
  std::vector<int> asked;  // the faces of each draw
} g;

int context_value(uint64_t seed, long place) {
  uint64_t x = (seed + 1) * 0x9E3779B97F4A7C15ULL + place * 0xBF58476D1CE4E5B9;
  x = (x ^ (x >> 31)) * 0x94D049BB133111EBULL;
  return static_cast<int>((x ^ (x >> 29)) >> 33);
}

int swept(int faces) {
  long i = g.n++;
  g.asked.push_back(faces);
  if (i == g.target && faces > 0) return scripted::value_for(faces, g.face);
  return context_value(g.context, i);
}

// A table sweep's dice, record by record: the context's value of each draw
// but for the record's swept draw. Millions of draws come from here, so the
// values are worked out once per context.
struct record_sweep {
  int fixed[DICE_PER_RECORD];
  const int *target, *face;  // per record: the swept draw and its face
  long records, n;
} rs;

int record_swept(int faces) {
  long record = rs.n / DICE_PER_RECORD, place = rs.n++ % DICE_PER_RECORD;
  if (record < rs.records && rs.target[record] == place)
    return scripted::value_for(faces, rs.face[record]);
  return rs.fixed[place];
}

// One record's draws and their faces, to know what to sweep.
std::vector<int> record_faces() {
  g = {}, set_random_source(swept);
  dice_record d;
  roll_dice(d);
  set_random_source(nullptr);
  return g.asked;
}

struct table_form {
  const char *keywords;
  int numbers[4];  // CDF, highest CDF, jeweler's EL, Station
  int contexts;
  std::string pins = "";  // "draw=face ...": faces the contexts keep
};

// An item's values as the values golden file lists them: "worth 51.0 CC".
std::string values_line(const item_values &values) {
  std::string s;
  char one[80];
  for (const item_value &v : values) {
    std::snprintf(one, sizeof one, "%s%s %lld.%lld %s", s.empty() ? "" : "; ",
                  v.kind == value_kind::worth  ? "worth"
                  : v.kind == value_kind::base ? "base"
                                               : "promised",
                  v.tenths / 10, v.tenths % 10, coin_unit_text(v.unit));
    s += one;
  }
  return s;
}

// Each value's amount and unit, as the text shows it ("51.0 CC", "17 CC"),
// in the text's order, and no unit in the text without its value.
std::string values_unlike_text(const report_item &it) {
  std::string text(it.text);  // on one line: a break may split "30.0 GC"
  for (std::size_t at; (at = text.find("\n     ")) != std::string::npos;)
    text.replace(at, 6, " ");
  std::string rest = text;
  int units = 0;
  for (const char *u : {"BB", "CC", "SC", "GC"})
    for (std::size_t at = 0; (at = text.find(u, at)) != std::string::npos; ++at)
      units += at > 1 && text[at - 1] == ' ' &&
               std::isdigit(static_cast<unsigned char>(text[at - 2])) &&
               !std::isalpha(static_cast<unsigned char>(text[at + 2]));
  if (units != it.values.count)
    return text + " states " + std::to_string(units);
  for (const item_value &v : it.values) {
    char whole[40], tenth[40];
    std::snprintf(whole, sizeof whole, "%lld %s", v.tenths / 10,
                  coin_unit_text(v.unit));
    std::snprintf(tenth, sizeof tenth, "%lld.%lld %s", v.tenths / 10,
                  v.tenths % 10, coin_unit_text(v.unit));
    std::size_t at = rest.find(tenth);
    if (at == std::string::npos && v.tenths % 10 == 0) at = rest.find(whole);
    if (at == std::string::npos ||
        (at > 0 && std::isdigit(static_cast<unsigned char>(rest[at - 1]))))
      return text + " lacks " + values_line({1, {v}});
    rest = rest.substr(at + 1);
  }
  return "";
}

// Each item's text after the screen lines its routine counts, and its values;
// the first item whose values are unlike its text. An item like the one
// before it needs no second look.
struct item_list : report_sink {
  std::vector<std::string> items, values;
  std::string unlike;
  void header(const report_header &) override {}
  void section(section_kind, std::string_view, int) override {}
  void literal(std::string_view, int, bool) override {}
  void item(const report_item &it) override {
    items.emplace_back(std::to_string(it.lines)).append("| ").append(it.text);
    values.push_back(values_line(it.values));
    std::size_t n = items.size();
    if (unlike.empty() && (n == 1 || items[n - 1] != items[n - 2] ||
                           values[n - 1] != values[n - 2]))
      unlike = values_unlike_text(it);
  }
  void end(const report_end &) override {}
};

// The sweep's texts, and in `values` those of its items that state a value.
std::string sweep_tables(const table_form &form, std::string &values,
                         std::string &unlike) {
  static const std::vector<int> faces = record_faces();
  // The records: the context itself, then every face of every draw.
  static std::vector<int> targets{-1}, swept_faces{0};
  if (targets.size() == 1)
    for (int t = 0; t < DICE_PER_RECORD; ++t)
      for (int f = 1; f <= faces[t]; ++f)
        targets.push_back(t), swept_faces.push_back(f);
  char head[160];
  std::snprintf(head, sizeof head,
                "1 1 2000\n1 1 1\n[POS:  \n[COM:  \n----------\n"
                "0 0 %d %d %d %d 0\n----------\nMANUAL-GENERATION\n",
                form.numbers[0], form.numbers[1], form.numbers[2],
                form.numbers[3]);
  std::string script = head, out;
  for (std::size_t i = 0; i < targets.size(); ++i)
    script += std::string("< ") + form.keywords + " >\n";
  script += "END-OF-SECTION\n";
  int pinned[DICE_PER_RECORD] = {};
  for (int at, face, used, k = 0;
       std::sscanf(form.pins.c_str() + k, "%d=%d%n", &at, &face, &used) == 2;
       k += used)
    pinned[at] = face;
  for (int c = 0; c < form.contexts; ++c) {
    uint64_t context = c * 7919 + std::strlen(form.keywords) + 1;
    for (int p = 0; p < DICE_PER_RECORD; ++p)
      rs.fixed[p] = pinned[p] && faces[p] > 0
                        ? scripted::value_for(faces[p], pinned[p])
                        : context_value(context, p);
    rs.target = targets.data(), rs.face = swept_faces.data();
    rs.records = static_cast<long>(targets.size()), rs.n = 0;
    item_list r;
    r.items.reserve(targets.size()), r.values.reserve(targets.size());
    set_random_source(record_swept);
    interpret_text(script, info_tables{}, r);
    set_random_source(nullptr);
    auto &items = r.items;
    if (items.size() != targets.size()) return out + "items lost\n";
    if (unlike.empty()) unlike = r.unlike;
    out += "@ context " + std::to_string(c) + "\n" + items[0];
    for (std::size_t i = 0; i < items.size(); ++i) {
      std::size_t before = swept_faces[i] == 1 ? 0 : i - 1;
      bool text = i > 0 && items[i] != items[before];
      bool value =
          !r.values[i].empty() && (i == 0 || r.values[i] != r.values[before]);
      if (!text && !value) continue;
      std::string at = i == 0 ? "@ context " + std::to_string(c) + "\n"
                              : "@ " + std::to_string(targets[i]) + " = " +
                                    std::to_string(swept_faces[i]) + "\n";
      if (text) out += at + items[i];
      if (value) values += at + r.values[i] + " | " + items[i];
    }
  }
  return out;
}

// The output of a shell command, or the command given `input`.
std::string run(const std::string &command, const std::string &input = {}) {
  FILE *p = popen(command.c_str(), input.empty() ? "r" : "w");
  std::string out;
  if (!input.empty()) std::fwrite(input.data(), 1, input.size(), p);
  char buf[1 << 16];
  for (std::size_t n; input.empty() && (n = fread(buf, 1, sizeof buf, p));)
    out.append(buf, n);
  return pclose(p) == 0 ? out : out + "\n(" + command + " failed)";
}

// Compares `got` with the golden file `name`; a difference shows both from
// the line where they part. HOARDEX_GOLDEN_WRITE=1 writes the file instead.
void expect_golden(const std::string &name, const std::string &got) {
  std::string path = GOLDEN + name + ".gz";
  if (std::getenv("HOARDEX_GOLDEN_WRITE")) {
    run("gzip -9n >" + path, got);
    GTEST_SKIP() << "wrote " << path;
  }
  std::string want = run("gzip -dc " + path);
  if (want == got) return;
  auto part = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
  std::size_t p = part.first - want.begin(),
              at = want.rfind('\n', p - (p > 0)) + 1;
  ADD_FAILURE() << name << " differs from its golden file:\n"
                << want.substr(at, 600) << "\n-- is now --\n"
                << got.substr(at, 600);
}

TEST(Golden, EveryTableRowOnBothSidesOfItsBounds) {
  std::vector<table_form> forms = {
      {"L1_OTHER", {1, 1, 0, -1}, 12},
      {"L2_CLOTHING", {1, 1, 0, -1}, 6},
      {"L1_OTHER", {1, 1, 0, -1}, 8, "8=81"},
      {"L1_OTHER", {1, 1, 0, -1}, 6, "8=81 43=6 49=3"},
      {"L1_OTHER", {1, 1, 0, -1}, 6, "8=81 43=6 49=9"},
      {"L1_OTHER", {1, 1, 0, -1}, 6, "8=99 9=83"},
      {"L1_OTHER", {1, 1, 0, -1}, 4, "8=98 10=84"},
      {"L1_OTHER", {1, 1, 0, -1}, 4, "8=99 9=87"},
      {"L1_OTHER", {1, 1, 0, -1}, 4, "8=98 10=88"},
      {"L1_OTHER", {1, 1, 0, -1}, 4, "8=99"},
      {"L1_OTHER", {1, 1, 0, -1}, 4, "8=98"},
      {"L1_OTHER", {1, 1, 0, -1}, 2, "8=100 9=100"},
      {"L1_COINS", {1, 1, 0, -1}, 2},
      {"L1_COINS", {4, 31, 0, -1}, 2},
      {"L1_COINS", {5, 99, 0, -1}, 1},
      {"L1_COINS", {99, 70, 0, 0}, 1},
      {"L1_COINS", {1, 1, 0, 1}, 1},
      {"L1_COINS", {1, 1, 0, 2}, 1},
      {"L1_COINS", {1, 1, 0, 3}, 1},
      {"L1_COINS", {1, 1, 0, 4}, 1},
      {"L1_COINS", {1, 1, 0, 5}, 1},
      {"L1_GEMJJ", {1, 1, 0, -1}, 4},
      {"L2_GEM LARGE", {1, 1, 80, -1}, 2},
      {"L2_JEWEL", {1, 1, 9, -1}, 2},
      {"L2_JEWELRY", {1, 1, 10, -1}, 2},
      {"L1_GEMJJ", {1, 1, 45, -1}, 2},
      {"L1_MILIT", {1, 1, 0, -1}, 12},
      {"L2_WEAPON ONE_ONLY", {1, 1, 0, -1}, 4},
      {"L1_MAGIC", {1, 1, 0, -1}, 16},
      {"L1_MAGIC ELDER", {1, 1, 0, -1}, 2},
      {"L3_MAGICWEAPON", {1, 1, 0, -1}, 8},
      {"L1_METAL", {1, 1, 0, -1}, 4},
      {"L1_METAL GOLD", {1, 1, 19, -1}, 2},
      {"L1_METAL", {1, 1, 80, -1}, 2},
      {"ELDER", {1, 1, 0, -1}, 1},  // no category: no text
  };
  // Every row of each main table kept while the rest is swept: the draws of
  // the main rolls of other treasure, military and magic items, and of the
  // race of a non-human item.
  for (int row : {5, 13, 18, 30, 35, 40, 45, 50, 60, 70, 75, 79, 83, 88, 92})
    forms.push_back({"L1_OTHER", {1, 1, 0, -1}, 2, "8=" + std::to_string(row)});
  for (int row : {30, 50, 55, 65, 70, 75, 88})
    forms.push_back(
        {"L1_MILIT", {1, 1, 0, -1}, 2, "59=" + std::to_string(row)});
  for (int race = 1; race <= 10; ++race)
    forms.push_back(
        {"L1_MILIT", {1, 1, 0, -1}, 2, "59=95 61=" + std::to_string(race)});
  for (int row : {25, 35, 44, 49, 50, 55, 66, 75, 90, 96, 99, 100})
    forms.push_back(
        {"L1_MAGIC", {1, 1, 0, -1}, 3, "75=" + std::to_string(row)});
  std::string all, values, unlike;
  for (auto &form : forms) {
    char title[120];
    std::snprintf(title, sizeof title, "== %s %d %d %d %d %s\n", form.keywords,
                  form.numbers[0], form.numbers[1], form.numbers[2],
                  form.numbers[3], form.pins.c_str());
    std::string form_values;
    all += title + sweep_tables(form, form_values, unlike);
    if (!form_values.empty()) values += title + form_values;
  }
  // Every value an item states is counted as its text shows it.
  EXPECT_EQ(unlike, "");
  expect_golden("values", values);
  expect_golden("tables", all);
}

struct writer_case {
  uint32_t special, portable;
  int lair_items, area, station, mel, cel;
  uint32_t answers;
};

// The script's numbers line and sections with the dice as `g` says.
std::string written(const generation_input &in) {
  set_random_source(swept);
  std::string s = automatic_script_text(in);
  set_random_source(nullptr);
  auto body = s.find("----------");
  return body == std::string::npos ? s : s.substr(body);
}

// With `seeded`, the report of the generator seeded with `seed` instead.
std::string sweep_writer(const writer_case &wc, uint64_t seed,
                         bool seeded = false) {
  static info_tables tables{};
  static const area_record areas[] = {{"Ruined Keep", 2, 4, 6, 9, 10},
                                      {"Rubbish Heap", 10, 10, 10, 10, 10},
                                      {"Deep Vault", 1, 3, 5, 7, 9}};
  static char text[] = "Bone charms\nPouch of salt\n";
  tables.area_count = 3;
  for (int i = 0; i < 3; ++i) tables.areas[i] = areas[i];
  tables.monster_count = 1;
  tables.monsters[0] = {"Mire Hag", "Mirewight", text,
                        wc.special, wc.portable, wc.lair_items};
  settings config{};
  config = {"default", 0,      wc.area,    7, 9, 0, wc.station,
            wc.mel,    wc.cel, wc.answers, 1, 1, 1};
  generation_input in{tables, config, "", "", {2, 3, 2000}};
  if (seeded) {
    seed_dice(static_cast<unsigned>(seed));
    report_recorder r;
    interpret_text(automatic_script_text(in), tables, r);
    return r.text.text();
  }
  g = {}, g.context = seed;
  std::string base = written(in), out = base;
  std::vector<int> faces = g.asked;
  for (std::size_t j = 0; j < faces.size(); ++j) {
    std::string prev = base;
    for (int f = 1; f <= faces[j]; ++f) {
      g = {}, g.context = seed, g.target = j, g.face = f;
      std::string s = written(in);
      if (s != prev)
        out += "@ " + std::to_string(j) + " = " + std::to_string(f) + "\n" + s;
      prev = s;
    }
  }
  g = {}, g.context = seed;
  set_random_source(swept);
  report_recorder r;
  interpret_text(automatic_script_text(in), tables, r);
  set_random_source(nullptr);
  return out + r.text.text();
}

TEST(Golden, EveryPortableClassAndSpecialCode) {
  std::vector<writer_case> cases;
  for (uint32_t cls = 0; cls <= 27; ++cls)
    for (uint32_t answers : {0x0u, 0xFF00u, 0x100u, 0x200u})
      if (cls == 3 || answers == 0 || answers == 0xFF00)
        cases.push_back({0x2, cls << 16, 0, 0, 0, 0, 0, answers});
  for (uint32_t bit = 1; bit <= 0x400; bit <<= 1)
    for (uint32_t answers : {0x0u, 0x8000u})
      cases.push_back({0x2, (19u << 16) | bit, 0, 0, 0, 0, 0, answers});
  for (uint32_t special : {0x0u, 0x1u, 0x3u, 0x7u, 0xBu, 0xFu, 0x13u, 0x22u})
    for (int station : {0, 3, 10})
      for (int area : {0, 1, 2})
        cases.push_back({special, 0x10000, 2, area, station, 2, 1,
                         station == 3 ? 0x10u : 0u});
  cases.push_back({0x10, 0, 3, 0, 0, 0, 0, 0x100});
  cases.push_back({0x10, 0, 3, 0, 0, 0, 0, 0});
  cases.push_back({0x0, 0x10000, 0, 0, 0, 0, 0, 0});
  std::string all;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    auto &c = cases[i];
    char title[120];
    std::snprintf(title, sizeof title, "== %#x %#x %d %d %d %d %d %#x\n",
                  c.special, c.portable, c.lair_items, c.area, c.station, c.mel,
                  c.cel, c.answers);
    all += title + sweep_writer(c, i);
  }
  expect_golden("writers", all);
}

// The generator itself: reports of a few seeds for a monster with many items.
TEST(Golden, SeededReports) {
  std::string all;
  for (unsigned seed : {0u, 1u, 42u, 2024u, 4294967295u})
    all += sweep_writer({0x27, (2u << 16) | 0x7FF, 40, 0, 5, 3, 2, 0xFF00},
                        seed, true);
  expect_golden("seeded", all);
}

}  // namespace
