// The settings dialogues the main menu opens: the monster and area lists, the
// CDF and jeweler EL prompts, the special-score questions, the game date with
// position and comments, and the output file name.
#include <cstdio>
#include <cstring>
#include <string>

#include "dialogs.h"
#include "fields.h"
#include "list_picker.h"
#include "number_explanations.h"
#include "prompt_row.h"
#include "screen.h"
#include "screen_text.h"
#include "setting_choice.h"

namespace {

constexpr int PAGE_SIZE = 36;  // monsters on one page of the list
constexpr int PAGE_ROWS = 18;  // rows 5 to 22
// Cells of the monster list's left column, and of the area list's: a lair
// name (at most NAME_SIZE - 1 bytes, so as many cells) and a blank.
constexpr int MONSTER_CELLS = 30;
constexpr int AREA_CELLS = NAME_SIZE;
// Beside the output name's field: the characters a name may hold.
constexpr char OUTPUT_NAME_HINT[] = "letters digits {}_ +.hxo";
// The explanation of each score, in the order of score.
constexpr number_id SCORE_NUMBERS[] = {number_id::station, number_id::mel,
                                       number_id::cel};

// Every lair, numbered from 1, in two columns from row 5.
void draw_area_list(const info_tables &t) {
  text_screen &screen = scr();
  screen.move(5, 0);
  int count = t.area_count;
  int rows = (count + 1) / 2;
  char line[160];
  for (int r = 0; r < rows; ++r) {
    const char *name = t.areas[r].name;
    std::string left =
        pad_cells({name, strnlen(name, NAME_SIZE - 1)}, AREA_CELLS);
    if (r + rows < count)
      std::snprintf(line, sizeof line, " %2d: %s\t%2d: %.*s\n", r + 1,
                    left.c_str(), r + rows + 1, NAME_SIZE - 1,
                    t.areas[r + rows].name);
    else
      std::snprintf(line, sizeof line, " %2d: %s\n", r + 1, left.c_str());
    screen.write(line);
  }
}

}  // namespace

void show_monster_page(const info_tables &t, int page) {
  text_screen &screen = scr();
  screen.move(5, 0);
  int first = page > 0 ? PAGE_SIZE * page : 0;
  int count = t.monster_count - first;
  if (count > PAGE_SIZE) count = PAGE_SIZE;
  if (count < 0) count = 0;
  int rows = (count + 1) / 2;
  char label[LABEL_SIZE];
  char line[160];
  for (int r = 0; r < rows; ++r) {
    int li = first + r;
    monster_label(t.monsters[li], label, sizeof label);
    // The left label is cut to its column, a blank kept before the right
    // one's number, so the right one stays in place.
    std::string left = pad_cells(label, MONSTER_CELLS - 1) + " ";
    if (r + rows < count) {
      int ri = li + rows;
      monster_label(t.monsters[ri], label, sizeof label);
      std::snprintf(line, sizeof line, " %2d: %s%2d: %s\n", li + 1,
                    left.c_str(), ri + 1, label);
    } else {
      std::snprintf(line, sizeof line, " %2d: %s\n", li + 1, left.c_str());
    }
    screen.write(line);
  }
  for (int r = rows; r < PAGE_ROWS; ++r) screen.write("\t\t\t\t\t\t\t\t\t\n");
  std::snprintf(line, sizeof line,
                "Spacebar for next page of monster list. Select a monster "
                "(1-%d) : ",
                t.monster_count);
  show_prompt(line);
}

int select_monster(const session &game) {
  const info_tables &t = game.tables;
  draw_heading("SELECT MONSTER");
  int page = 0;
  show_monster_page(t, page);
  list_choice c{
      {}, game.config.monster_index, ' ', [&](bool next) {
        page = next && PAGE_SIZE * (page + 1) < t.monster_count ? page + 1 : 0;
        show_monster_page(t, page);
      }};
  char label[LABEL_SIZE];
  for (int i = 0; i < t.monster_count; ++i) {
    monster_label(t.monsters[i], label, sizeof label);
    c.labels.push_back(label);
  }
  return choose_from_list(c);
}

int select_area(const session &game) {
  const info_tables &t = game.tables;
  char line[80];
  std::snprintf(line, sizeof line, "Select an area (1-%d) : ", t.area_count);
  auto show_page = [&](bool) {
    draw_heading("SELECT AREA");
    draw_area_list(t);
    show_prompt(line);
  };
  show_page(false);
  list_choice c{{}, game.config.lair_index, 0, show_page};
  for (int i = 0; i < t.area_count; ++i)
    c.labels.emplace_back(t.areas[i].name,
                          strnlen(t.areas[i].name, NAME_SIZE - 1));
  return choose_from_list(c);
}

int ask_cdf(int current, cdf_kind kind) {
  show_note(explanation_of(kind == cdf_kind::creature ? number_id::cdf
                                                      : number_id::group_cdf)
                .line);
  show_prompt(setting_row_of(kind == cdf_kind::creature
                                 ? &setting_choices::cdf
                                 : &setting_choices::group_cdf)
                  .prompt);
  num_rules r{zero_rule::after_digit, 10, CDF_MIN, CDF_MAX, false, false, 0};
  long long value = 0;
  int got = num_field(r, cursor_column(), &value);
  return got == FIELD_ESCAPE ? current : got;
}

int ask_jeweler_el(int current) {
  show_note(explanation_of(number_id::jeweler_el).line);
  show_prompt(setting_row_of(&setting_choices::jeweler_el).prompt);
  num_rules r{zero_rule::always, 10, 0, JEWELER_EL_MAX, false, false, 0};
  long long value = 0;
  int got = num_field(r, cursor_column(), &value);
  return got == FIELD_ESCAPE ? current : got;
}

void ask_special_scores(session &game) {
  settings &config = game.config;
  int32_t scores[] = {config.station, config.mel, config.cel};
  uint32_t answers = config.answers;
  uint32_t code = game.tables.monsters[config.monster_index].special_code;

  for (const special_flag &f : special_flag_rows) {
    if (f.use != flag_use::scores || !(code & f.bit)) continue;
    for (const score_row &r : score_rows) {
      show_note(explanation_of(SCORE_NUMBERS[static_cast<int>(r.which)]).line);
      show_prompt(r.question, prompt_blank::question);
      int got = read_number_field(0, r.max);
      if (got < 0) return;  // Escape drops every answer
      scores[static_cast<int>(r.which)] = got;
    }
  }
  for (const special_flag &f : special_flag_rows) {
    if (!(code & f.bit) || !f.question) continue;
    show_note(f.use == flag_use::station
                  ? explanation_of(number_id::station).line
                  : "");
    show_prompt(f.question, prompt_blank::question);
    if (f.use == flag_use::station) {
      int got = read_number_field(0, STATION_MAX);
      if (got < 0) return;
      scores[static_cast<int>(score::station)] = got;
    } else if (f.use == flag_use::answer) {
      int got = read_yes_no_key();
      if (got < 0) return;
      answers = (answers & ~f.bit & ANSWER_BITS) | (got ? f.bit : 0);
    }
  }

  config.station = scores[static_cast<int>(score::station)];
  config.mel = scores[static_cast<int>(score::mel)];
  config.cel = scores[static_cast<int>(score::cel)];
  config.answers = answers;
}

dialog_status enter_comments(session &game) {
  settings &config = game.config;
  struct date_q {
    const char *text;
    int max;
    int32_t current;
  };
  const date_q dates[] = {{"Game day   : ", 99, config.game_day},
                          {"Game month : ", 99, config.game_month},
                          {"Game year  : ", 9999, config.game_year}};
  int32_t values[3];
  for (int i = 0; i < 3; ++i) {
    show_prompt(dates[i].text, prompt_blank::question);
    int got = read_number_field(1, dates[i].max);
    if (got == FIELD_ESCAPE) return dialog_status::left;
    values[i] = got == FIELD_EMPTY ? dates[i].current : got;
  }
  char pos[POSITION_COMMENT_SIZE];
  char comm[POSITION_COMMENT_SIZE];
  std::snprintf(pos, sizeof pos, "%s", game.position);
  std::snprintf(comm, sizeof comm, "%s", game.comment);
  show_prompt(setting_row_of(&setting_choices::position).prompt,
              prompt_blank::question);
  if (read_text_field(pos) == FIELD_ESCAPE) return dialog_status::left;
  show_prompt(setting_row_of(&setting_choices::comment).prompt,
              prompt_blank::text_field);
  if (read_text_field(comm) == FIELD_ESCAPE) return dialog_status::left;

  config.game_day = values[0];
  config.game_month = values[1];
  config.game_year = values[2];
  std::snprintf(game.position, sizeof game.position, "%s", pos);
  std::snprintf(game.comment, sizeof game.comment, "%s", comm);
  return dialog_status::done;
}

dialog_status ask_output_name(settings &config) {
  show_prompt("Enter the output filename (no extension) : ");
  text_screen &screen = scr();
  const int row = screen.row(), col = screen.col();
  // Which characters the field takes, and the extension it gets, right of
  // the field (which begins at column 45 and takes 8).
  screen.move(row, col + FILE_NAME_SIZE);
  screen.write(OUTPUT_NAME_HINT);
  screen.move(row, col);
  text_rules r{FILE_NAME_SIZE - 1, false, FILE_NAME_SIZE - 1, false};
  return text_field(r, config.output_name, sizeof config.output_name) == 0
             ? dialog_status::done
             : dialog_status::left;
}
