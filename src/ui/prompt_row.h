// The prompt row at the bottom of every screen: the questions, the answers
// typed after them and the one-line messages. Every screen writes it through
// show_prompt.
#pragma once

#include "screen.h"

// The prompt row of a screen laid out on 80x26; a screen that follows the
// window (the report viewer) has it on the window's last row.
constexpr int PROMPT_ROW = SCREEN_ROWS - 1;
constexpr int PROMPT_COL = 1;
// The last row of the grid, where show_prompt writes.
int prompt_row();
// The row above the prompt row on 80x26, which the screens leave blank for a
// note: a number's meaning while it is typed, the menu's notices.
constexpr int NOTE_ROW = PROMPT_ROW - 1;

// How much of the row is blanked, from PROMPT_COL, before the prompt.
enum class prompt_blank {
  none,        // the prompt is written over what is there
  question,    // the room of a question and a short answer
  text_field,  // the room of a question and a text field's answer
  row,         // the whole row
};

// Writes text at the start of the prompt row; the cursor stays after it,
// where a field begins.
void show_prompt(const char *text, prompt_blank blank = prompt_blank::none);
// Writes text on the note row from PROMPT_COL, the rest of the row blanked;
// the cursor goes back where it was.
void show_note(const char *text);
