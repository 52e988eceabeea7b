// The field editors driven key by key: result, prompt line, what was stored.
#include <cstring>

#include "number_explanations.h"
#include "ui_env.h"

// Keys in the tables: '\r' Enter, '\b' Backspace, '~' Escape, '>' keypad
// Enter, '<' keypad Backspace, \1 Home, \2 Left, \4 Delete, \5 End, \6 Right;
// any other character is itself (\25 is Ctrl-U).
void push(memory_screen &s, const std::string &keys) {
  const int cursor_keys[] = {
      0,           KEY_PAD_HOME, KEY_PAD_LEFT, 0, KEY_PAD_DELETE,
      KEY_PAD_END, KEY_PAD_RIGHT};
  for (char c : keys)
    s.push_key(c == '~'         ? KEY_ESC
               : c == '>'       ? KEY_PAD_ENTER
               : c == '<'       ? KEY_PAD_BS
               : c > 0 && c < 7 ? cursor_keys[int(c)]
                                : static_cast<unsigned char>(c));
}

// The prompt line without its outer blanks, '|' marking the cursor.
std::string shown(const memory_screen &s) {
  std::string row = s.line(25);
  std::string l = row.substr(0, s.col()) + '|' + row.substr(s.col());
  std::size_t b = l.find_first_not_of(' ');
  return l.substr(b, l.find_last_not_of(' ') - b + 1);
}

std::string g_stored;  // what a text field left in its destination
settings g_config;     // the settings the fields change

int text() {
  char dest[POSITION_COMMENT_SIZE] = "unchanged";
  int r = read_text_field(dest);
  return g_stored = dest, r;
}
int file_name() {
  std::snprintf(g_config.output_name, sizeof g_config.output_name, "%s",
                "default");
  dialog_status r = ask_output_name(g_config);
  return g_stored = g_config.output_name, r == dialog_status::done ? 0 : 1;
}

using Fields = UiEnv;

TEST_F(Fields, KeySequences) {
  const std::string a56(56, 'a'),
      jew = "Enter the EL of the jeweler or 0 if unknown (0-80) : ",
      out = "Enter the output filename (no extension) : ",
      hint = "letters digits {}_ +.hxo";
  // clang-format off
  // `beeps`: the characters refused (not in the alphabet, or a full field).
  const struct { int (*field)(); std::string keys; int result; std::string shown, stored; int beeps; } cases[] = {
      {[] { return read_yes_no_key(); }, "yn\r", 1, "y|", ""},                  // one answer, then Enter
      {[] { return read_yes_no_key(); }, "\rY\bn\r", 0, "n|", ""},              // Enter needs an answer; Backspace drops it
      {[] { return read_yes_no_key(); }, "N><y~", -1, "y|", ""},                // keypad Enter does nothing
      {[] { return read_number_field(1, 99); }, "00\r\b\r", -2, "|", ""},        // one leading zero; Enter waits until it is removed
      {[] { return read_number_field(1, 99); }, "05\r", 5, "05|", ""},
      {[] { return read_number_field(1, 99); }, "a-7>", 7, "7|", ""},
      {[] { return read_number_field(0, 10); }, "\r", 0, "|", ""},               // lowest 0: never empty
      {[] { return read_number_field(0, 10); }, "15\r<\r", 1, "1|", ""},         // one digit more than the range, Enter waits
      {[] { return read_number_field(1, 100); }, "10007\r", 100, "100|", ""},
      {[] { return read_number_field(1, 100); }, "2000\r\b\r", 20, "20|", ""},
      {[] { return ask_cdf(17, cdf_kind::creature); }, "0429\r", 42, "Enter the monster CDF : 42|", ""},  // no leading zero, two digits
      {[] { return ask_cdf(17, cdf_kind::creature); }, "0\r7\b0\b\r8>", 8, "Enter the monster CDF : 8|", ""},
      {[] { return ask_cdf(17, cdf_kind::group); }, "5~", 17, "Enter the maximum CDF for the group of monsters : 5|", ""},
      {[] { return ask_jeweler_el(g_config.jeweler_el); }, "81\r\b\r", 8, jew + "8|", ""},
      {[] { return ask_jeweler_el(g_config.jeweler_el); }, "80\r", 80, jew + "80|", ""},
      {[] { return ask_cdf(17, cdf_kind::group); }, "99\r", 99, "Enter the maximum CDF for the group of monsters : 99|", ""},
      {[] { return ask_jeweler_el(g_config.jeweler_el); }, "12~", 33, jew + "12|", ""},
      {[] { return ask_jeweler_el(g_config.jeweler_el); }, "000\b\b\b\b5\r", 5, jew + "5|", ""},  // typed zeros erased
      {text, "{_ " + a56 + "zZ\r", 0, "{_ " + a56 + "|", "{_ " + a56, 2},  // 59 characters
      {text, "a.b/c:d<>\r", 0, "abc|", "abc", 3},
      {text, "abcd\2\2X\1Y\5Z\r", 0, "YabXcdZ|", "YabXcdZ"},  // typed at the cursor
      {text, "abcd\2\2\4\25\r", 0, "|d", "d"},                 // Delete, then Ctrl-U
      {text, "\2ab\6\6\1\2\b c\r", 0, "c|ab", " cab"},       // no move past either end
      {file_name, "abcdefghi\2\4\r", 0, out + "abcdefg|  " + hint, "abcdefg", 1},
      {text, "\b\r", -2, "|", "unchanged"},
      {text, "abc\b~", -1, "ab|", "unchanged"},
      {file_name, "\rmy hoard_{1}\r", 0, out + "myhoard_| " + hint, "myhoard_", 4},  // 8, no blank
      {file_name, "ab\b~", 1, out + "a|        " + hint, "default"},
      // clang-format on
  };
  memory_screen &s = screen;
  g_config.jeweler_el = 33;
  for (const auto &c : cases) {
    s.clear();
    s.move(25, 10);
    push(s, c.keys);
    g_stored = "";
    EXPECT_EQ(c.field(), c.result) << c.keys;
    EXPECT_EQ(shown(s), c.shown) << c.keys;
    EXPECT_EQ(g_stored, c.stored) << c.keys;
    EXPECT_EQ(std::exchange(s.beeps, 0), c.beeps) << c.keys;
    EXPECT_EQ(s.keys_left() + s.reads_past_end(), 0u) << c.keys;
  }
  // While a number is typed, the row above the prompt says what it does.
  for (auto [kind, id] : {std::pair{cdf_kind::creature, number_id::cdf},
                          {cdf_kind::group, number_id::group_cdf}}) {
    s.clear(), s.push_key(KEY_ESC), ask_cdf(1, kind);
    EXPECT_EQ(s.line(24).substr(0, 79),
              " " + std::string(explanation_of(id).line) +
                  std::string(78 - std::strlen(explanation_of(id).line), ' '));
  }
}
