// The prompt row: where prompts begin and how much of the row they blank.
#include "prompt_row.h"

#include <string>

namespace {

// Columns blanked from PROMPT_COL for a question, and for a question with
// the longest text a text field takes after it.
constexpr int QUESTION_CELLS = 55;
constexpr int TEXT_FIELD_CELLS = 76;

}  // namespace

int prompt_row() { return scr().rows() - 1; }

void show_prompt(const char *text, prompt_blank blank) {
  text_screen &screen = scr();
  const int row = prompt_row();
  screen.move(row, PROMPT_COL);
  if (blank == prompt_blank::row) {
    screen.clear_eol();
  } else if (blank != prompt_blank::none) {
    int cells =
        blank == prompt_blank::question ? QUESTION_CELLS : TEXT_FIELD_CELLS;
    screen.write(std::string(cells, ' ').c_str());
    screen.move(row, PROMPT_COL);
  }
  screen.write(text);
}

void show_note(const char *text) {
  text_screen &screen = scr();
  const int row = screen.row(), col = screen.col();
  screen.move(NOTE_ROW, PROMPT_COL);
  screen.clear_eol();
  screen.write(text, SCREEN_COLS - PROMPT_COL);
  screen.move(row, col);
}
