// The choice on a list screen (the monster list, the area list): a number
// typed on the prompt row, or a name picked by typing letters it holds and
// moving a mark with the arrow keys.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct list_choice {
  std::vector<std::string> labels;  // each record's label, by index
  int current;                      // the index kept on Escape
  int page_key;                     // the key that turns the page, or 0
  // Draws the list's own page view (rows 5 to 22 and the prompt): the first
  // page again (next == false) or the next one.
  std::function<void(bool next)> show_page;
};

// Runs the choice on a list screen whose page view and prompt are drawn, the
// cursor after the prompt. Digits, Backspace, Enter, the page key and Escape
// work as in a list number field. A letter (any printable but a digit and a
// blank) narrows the list to the labels holding the letters typed, in any
// case; Up, Down, PgUp and PgDn move a mark over that list (over every label
// before a letter is typed); Enter on an empty number picks the marked one,
// Backspace takes the last letter back and then returns to the page view.
// Returns the chosen index, or `current` on Escape.
int choose_from_list(const list_choice &c);
