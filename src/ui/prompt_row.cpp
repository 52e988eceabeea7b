// The prompt row: where prompts begin and how much of the row they blank.
#include "prompt_row.h"

#include <string>

namespace {

// Columns blanked from PROMPT_COL for a question, and for a question with
// the longest text a text field takes after it.
constexpr int QUESTION_CELLS = 55;
constexpr int TEXT_FIELD_CELLS = 76;

}  // namespace

void show_prompt(const char *text, prompt_blank blank) {
  text_screen &screen = scr();
  screen.move(PROMPT_ROW, PROMPT_COL);
  if (blank == prompt_blank::row) {
    screen.clear_eol();
  } else if (blank != prompt_blank::none) {
    int cells =
        blank == prompt_blank::question ? QUESTION_CELLS : TEXT_FIELD_CELLS;
    screen.write(std::string(cells, ' ').c_str());
    screen.move(PROMPT_ROW, PROMPT_COL);
  }
  screen.write(text);
}
