// The prompt row at the bottom of every screen: the questions, the answers
// typed after them and the one-line messages. Every screen writes it through
// show_prompt.
#pragma once

#include "screen.h"

constexpr int PROMPT_ROW = SCREEN_ROWS - 1;
constexpr int PROMPT_COL = 1;

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
