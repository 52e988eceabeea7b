// The field editors: the yes/no field, the number field and the text field,
// each drawing its own echo and reading one key at a time.
#include "fields.h"

#include <cstdio>
#include <cstring>

#include "dialogs.h"
#include "model.h"
#include "screen.h"

namespace {

bool is_enter(int key) { return key == KEY_CR || key == KEY_PAD_ENTER; }

bool text_char(int key, bool allow_space) {
  return is_output_name_char(key) || (allow_space && key == ' ');
}

// The longest text a text field holds.
constexpr int TEXT_FIELD_SIZE = 256;

}  // namespace

int read_yes_no_key() {
  text_screen &screen = scr();
  int row = screen.row();
  int col = screen.col();
  int answer = -1;
  for (;;) {
    int key = screen.read_key();
    if (key == 'Y' || key == 'y' || key == 'N' || key == 'n') {
      if (answer != -1) continue;
      char echo[2] = {static_cast<char>(key), '\0'};
      screen.write(echo);
      answer = (key == 'Y' || key == 'y') ? 1 : 0;
    } else if (is_erase_key(key)) {
      screen.move(row, col);
      screen.write(" ");
      screen.move(row, col);
      answer = -1;
    } else if (key == KEY_CR) {
      if (answer != -1) return answer;
    } else if (key == KEY_ESC) {
      return FIELD_ESCAPE;
    }
  }
}

int num_field(const num_rules &r, int start_col, long long *value) {
  text_screen &screen = scr();
  int row = screen.row();
  for (;;) {
    int key = screen.read_key();
    if (key >= '0' && key <= '9') {
      if (key == '0') {
        bool ok =
            r.zero == zero_rule::always || *value != 0 ||
            (r.zero == zero_rule::at_start && cursor_column() == start_col);
        if (!ok) continue;
      }
      if (*value >= r.digit_below) continue;
      int digit = key - '0';
      char echo[2] = {static_cast<char>(key), '\0'};
      screen.write(echo);
      *value = *value * 10 + digit;
    } else if (r.passed && cursor_column() == start_col &&
               (is_erase_key(key) || is_enter(key))) {
      *r.passed = key;
      return FIELD_PASSED;
    } else if (is_erase_key(key)) {
      // Everything typed since start_col is shown, leading zeros included,
      // so the last column typed goes and its digit leaves the value.
      if (cursor_column() > start_col) {
        *value /= 10;
        screen.move(row, cursor_column() - 1);
        screen.write(" ");
        screen.move(row, cursor_column() - 1);
      } else if (r.bs_at_zero) {
        screen.move(row, start_col);
        screen.write(" ");
        screen.move(row, start_col);
      }
    } else if (is_enter(key)) {
      if (*value >= r.lo && *value <= r.hi) return static_cast<int>(*value);
      if (r.empty_enter && *value < r.lo && cursor_column() == start_col)
        return FIELD_EMPTY;
    } else if (key == KEY_ESC) {
      return FIELD_ESCAPE;
    } else if ((r.pass_key != 0 && key == r.pass_key) || r.passed) {
      if (r.passed) *r.passed = key;
      return FIELD_PASSED;
    }
  }
}

int read_number_field(int min, int max) {
  num_rules r{zero_rule::at_start, max, min, max, true, true, 0};
  long long value = 0;
  return num_field(r, cursor_column(), &value);
}

int text_field(const text_rules &r, char *dest, std::size_t size) {
  text_screen &screen = scr();
  int row = screen.row();
  int col = screen.col();
  char text[TEXT_FIELD_SIZE] = "";
  int max_len =
      r.max_len < TEXT_FIELD_SIZE - 1 ? r.max_len : TEXT_FIELD_SIZE - 1;
  int len = 0;
  int at = 0;  // the cursor, 0 to len
  // The text again from the field's first column, blanks over the rest of
  // its width, and the cursor where it stands.
  auto redraw = [&] {
    screen.move(row, col);
    char shown[TEXT_FIELD_SIZE + 8];
    std::snprintf(shown, sizeof shown, "%-*s", r.width, text);
    screen.write(shown);
    screen.move(row, col + at);
  };
  for (;;) {
    int key = screen.read_key();
    if (text_char(key, r.allow_space) && len < max_len) {
      std::memmove(text + at + 1, text + at, len - at + 1);
      text[at++] = static_cast<char>(key);
      ++len;
      if (at == len) {  // typed at the end: the text alone is written
        screen.move(row, col);
        screen.write(text);
      } else {
        redraw();
      }
    } else if (key >= ' ' && key < KEY_DEL) {
      screen.beep();  // a character the field cannot hold, or the field is full
    } else if (is_erase_key(key) || key == KEY_PAD_DELETE ||
               key == KEY_CTRL_U) {
      // Backspace takes the character before the cursor, Delete the one at
      // it, Ctrl-U everything before it.
      int from = is_erase_key(key)   ? (at > 0 ? at - 1 : 0)
                 : key == KEY_CTRL_U ? 0
                                     : at;
      int to = key == KEY_PAD_DELETE ? (at < len ? at + 1 : at) : at;
      std::memmove(text + from, text + to, len - to + 1);
      len -= to - from;
      at = from;
      redraw();
    } else if (key == KEY_PAD_LEFT || key == KEY_PAD_RIGHT ||
               key == KEY_PAD_HOME || key == KEY_PAD_END) {
      at = key == KEY_PAD_HOME   ? 0
           : key == KEY_PAD_END  ? len
           : key == KEY_PAD_LEFT ? (at > 0 ? at - 1 : 0)
                                 : (at < len ? at + 1 : len);
      screen.move(row, col + at);
    } else if (key == KEY_CR) {
      if (len == 0) {
        if (r.empty_enter) return FIELD_EMPTY;
        continue;
      }
      std::snprintf(dest, size, "%s", text);
      return 0;
    } else if (key == KEY_ESC) {
      return FIELD_ESCAPE;
    }
  }
}

int read_text_field(char *text) {
  text_rules r{POSITION_COMMENT_SIZE - 1, true, POSITION_COMMENT_SIZE, true};
  return text_field(r, text, POSITION_COMMENT_SIZE);
}
