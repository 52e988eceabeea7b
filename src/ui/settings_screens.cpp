// The settings dialogues the main menu opens: the monster and area lists, the
// CDF and jeweler EL prompts, the special-score questions, the game date with
// position and comments, and the output file name.
#include <cstdio>
#include <cstring>

#include "fields.h"
#include "hoardex.h"
#include "screen.h"

namespace {

constexpr int PAGE_SIZE = 36;  // monsters on one page of the list
constexpr int PAGE_ROWS = 18;  // rows 5 to 22
// A monster label: 14 characters of group, ", ", 19 of name, a terminator.
constexpr int LABEL_SIZE = GROUP_SIZE + NAME_SIZE + 1;

// The list-selection number field: one or two digits, no leading zero,
// 1 to count. Returns the chosen index, the current index on Escape, or
// FIELD_PASSED for pass_key with *value kept.
int list_field(int count, int current, int pass_key, int start_col,
               long long *value) {
  num_rules r{ZERO_AFTER_DIGIT, 10, 1, count, false, false, pass_key};
  int got = num_field(r, start_col, value);
  if (got == FIELD_PASSED) return FIELD_PASSED;
  if (got == FIELD_ESCAPE) return current;
  return got - 1;
}

void prompt(const char *text) {
  Screen &s = scr();
  s.move(25, 1);
  s.write(text);
}

// Blanks the prompt line from column 1 to 55 and writes a prompt.
void question(const char *text) {
  prompt("\t\t\t\t\t\t\t");
  prompt(text);
}

}  // namespace

void mon_page(int page) {
  Screen &s = scr();
  s.move(5, 0);
  int first = page > 0 ? PAGE_SIZE * page : 0;
  int count = max_mon - first;
  if (count > PAGE_SIZE) count = PAGE_SIZE;
  if (count < 0) count = 0;
  int rows = (count + 1) / 2;
  char left[LABEL_SIZE];
  char right[LABEL_SIZE];
  for (int r = 0; r < rows; ++r) {
    int li = first + r;
    monster_label(monster[li], left, sizeof left);
    if (r + rows < count) {
      int ri = li + rows;
      monster_label(monster[ri], right, sizeof right);
      std::snprintf(buffer, sizeof buffer, " %2d: %-30s%2d: %-30s\n", li + 1,
                    left, ri + 1, right);
    } else {
      std::snprintf(buffer, sizeof buffer, " %2d: %-30s\n", li + 1, left);
    }
    s.write(buffer);
  }
  for (int r = rows; r < PAGE_ROWS; ++r) s.write("\t\t\t\t\t\t\t\t\t\n");
  std::snprintf(buffer, sizeof buffer,
                "Spacebar for next page of monster list. Select a monster "
                "(1-%d) : ",
                max_mon);
  prompt(buffer);
}

int sel_monster() {
  Screen &s = scr();
  s.clear();
  s.move(1, 1);
  title_banner();
  s.write("\tSELECT MONSTER\n\n");
  int page = 0;
  mon_page(page);
  int start_col = wherex();
  long long value = 0;
  for (;;) {
    int got = list_field(max_mon, info.c_mon, ' ', start_col, &value);
    if (got != FIELD_PASSED) return got;
    page = (PAGE_SIZE * (page + 1) < max_mon) ? page + 1 : 0;
    mon_page(page);
    // The prompt ends where the field begins; show what is typed so far.
    if (value > 0) {
      std::snprintf(buffer, sizeof buffer, "%lld", value);
      s.write(buffer);
    }
  }
}

int sel_area() {
  Screen &s = scr();
  s.clear();
  s.move(1, 1);
  title_banner();
  s.write("\tSELECT AREA\n\n");
  s.move(5, 0);
  int rows = (max_area + 1) / 2;
  for (int r = 0; r < rows; ++r) {
    if (r + rows < max_area)
      std::snprintf(buffer, sizeof buffer, " %2d: %-20.19s\t%2d: %-.19s\n",
                    r + 1, area[r].name, r + rows + 1, area[r + rows].name);
    else
      std::snprintf(buffer, sizeof buffer, " %2d: %-20.19s\n", r + 1,
                    area[r].name);
    s.write(buffer);
  }
  std::snprintf(buffer, sizeof buffer, "Select an area (1-%d) : ", max_area);
  prompt(buffer);
  long long value = 0;
  return list_field(max_area, info.c_area, 0, wherex(), &value);
}

int set_CDF(int tc_CDF, int sett) {
  prompt(sett == 1 ? "Enter the monster CDF : "
                   : "Enter the maximum CDF for the group of monsters : ");
  num_rules r{ZERO_AFTER_DIGIT, 10, 1, 99, false, false, 0};
  long long value = 0;
  int got = num_field(r, wherex(), &value);
  return got == FIELD_ESCAPE ? tc_CDF : got;
}

int set_c_JewEL() {
  prompt("Enter the EL of the jeweler or 0 if unknown (0-80) : ");
  num_rules r{ZERO_ALWAYS, 10, 0, 80, false, false, 0};
  long long value = 0;
  int got = num_field(r, wherex(), &value);
  return got == FIELD_ESCAPE ? info.c_JewEL : got;
}

void set_mon_spec() {
  int32_t stat = info.c_mon_Stat;
  int32_t mel = info.c_mon_MEL;
  int32_t cel = info.c_mon_CEL;
  uint32_t other = info.other_mon;
  uint32_t code = monster[info.c_mon].spec_code;
  if ((code & 0xFFFC) == 0) return;

  struct number_q {
    uint32_t bit;
    const char *text;
    int max;
    int32_t *dest;
  };
  const number_q numbers[] = {
      {0x4, "Station (0-10) : ", 10, &stat},
      {0x4, "MEL (0-50) : ", 50, &mel},
      {0x4, "CEL (0-50) : ", 50, &cel},
      {0x8, "Station (0-10) : ", 10, &stat},
      {0x8, "MEL (0-50) : ", 50, &mel},
      {0x8, "CEL (0-50) : ", 50, &cel},
  };
  for (const number_q &q : numbers) {
    if (!(code & q.bit)) continue;
    question(q.text);
    int got = in_int(0, q.max);
    if (got < 0) return;  // Escape drops every answer
    *q.dest = got;
  }

  struct yn_q {
    int bit;
    const char *text;
  };
  const yn_q answers[] = {
      {4, "Are there other monsters beside 'Other' in the group (y/n) : "},
      {5, nullptr},  // the Station question for 0x20
      {15, "Is it a Magic User (y/n) : "},
      {14, "Is the Creature Intelligent (y/n) : "},
      {13, "Is the Creature Dressed (y/n) : "},
      {12, "Is it an Exceptional member of its race (y/n) : "},
      {11, "Is it a Male (y/n) : "},
      {10, "Is it in Humanoid Form (y/n) : "},
      {9, "Is it an Elite member of its race (y/n) : "},
      {8, "Is it a King of its race (y/n) : "},
  };
  for (const yn_q &q : answers) {
    uint32_t mask = 1u << q.bit;
    if (!(code & mask)) continue;
    if (!q.text) {
      question("Station (0-10) : ");
      int got = in_int(0, 10);
      if (got < 0) return;
      stat = got;
      continue;
    }
    question(q.text);
    int got = in_yn();
    if (got < 0) return;
    other = (other & ~mask & 0xFFFFu) + (static_cast<uint32_t>(got) << q.bit);
  }

  info.c_mon_Stat = stat;
  info.c_mon_MEL = mel;
  info.c_mon_CEL = cel;
  info.other_mon = other;
}

int enter_comm() {
  struct date_q {
    const char *text;
    int max;
    int32_t current;
  };
  const date_q dates[] = {{"Game day   : ", 99, info.gd_day},
                          {"Game month : ", 99, info.gd_month},
                          {"Game year  : ", 9999, info.gd_year}};
  int32_t values[3];
  for (int i = 0; i < 3; ++i) {
    question(dates[i].text);
    int got = in_int(1, dates[i].max);
    if (got == FIELD_ESCAPE) return 0;
    values[i] = got == FIELD_EMPTY ? dates[i].current : got;
  }
  char pos[TEXT_SIZE];
  char comm[TEXT_SIZE];
  std::snprintf(pos, sizeof pos, "%s", pos_txt);
  std::snprintf(comm, sizeof comm, "%s", comm_txt);
  question("Position   : ");
  if (enter_txt(pos) == FIELD_ESCAPE) return 0;
  prompt("\t\t\t\t\t\t\t\t\t     ");
  prompt("Comments   : ");
  if (enter_txt(comm) == FIELD_ESCAPE) return 0;

  info.gd_day = values[0];
  info.gd_month = values[1];
  info.gd_year = values[2];
  std::snprintf(pos_txt, sizeof pos_txt, "%s", pos);
  std::snprintf(comm_txt, sizeof comm_txt, "%s", comm);
  return 1;
}

int set_out_name() {
  prompt("Enter the output filename (no extension) : ");
  text_rules r{FILE_NAME_SIZE - 1, false, FILE_NAME_SIZE - 1, false};
  return text_field(r, output_name, sizeof output_name) == 0 ? 0 : 1;
}
