// The field editors driven key by key on the in-memory screen: the yes/no
// field, the number field and its variants, the text and file-name fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hoardex.h"
#include "screen.h"

namespace {

class Fields : public ::testing::Test {
 protected:
  void SetUp() override {
    set_screen(&s);
    s.move(25, 10);  // the field begins here
  }
  void TearDown() override { set_screen(nullptr); }
  void keys(const std::string &k) { s.push_keys(k); }
  void key(int k) { s.push_key(k); }
  // What the field shows: columns 10 onwards of the prompt line.
  std::string shown(int width = 12) { return s.line(25).substr(10, width); }
  MemScreen s;
};

TEST_F(Fields, YesNoShowsOneAnswerAndNeedsEnter) {
  keys("yn\r");
  EXPECT_EQ(in_yn(), 1);
  EXPECT_EQ(shown(3), "y  ");

  s.move(25, 10);
  keys("\rY");
  key(KEY_BS);
  keys("n\r");
  EXPECT_EQ(in_yn(), 0);
  EXPECT_EQ(shown(3), "n  ");
  EXPECT_EQ(s.keys_left(), 0u);

  // Keypad Enter does not confirm, nor does the keypad backspace drop.
  s.move(25, 10);
  keys("N");
  key(KEY_PAD_ENTER);
  key(KEY_PAD_BS);
  keys("y");
  key(KEY_ESC);
  EXPECT_EQ(in_yn(), -1);
  EXPECT_EQ(shown(3), "N  ");
}

TEST_F(Fields, NumberFieldOneToNinetyNine) {
  keys("\r");
  EXPECT_EQ(in_int(1, 99), -2);

  // A zero moves the cursor, so Enter is ignored until Backspace removes it.
  s.move(25, 10);
  keys("00\r");
  key(KEY_BS);
  keys("\r");
  EXPECT_EQ(in_int(1, 99), -2);
  EXPECT_EQ(shown(3), "   ");
  EXPECT_EQ(s.col(), 10);
  EXPECT_EQ(s.keys_left(), 0u);

  s.move(25, 10);
  keys("05\r");
  EXPECT_EQ(in_int(1, 99), 5);
  EXPECT_EQ(shown(3), "05 ");

  s.move(25, 10);
  s.clear_eol();
  keys("a-7");
  key(KEY_PAD_ENTER);
  EXPECT_EQ(in_int(1, 99), 7);
  EXPECT_EQ(shown(3), "7  ");

  s.move(25, 10);
  keys("42");
  key(KEY_ESC);
  EXPECT_EQ(in_int(1, 99), -1);
}

TEST_F(Fields, NumberFieldHoldsOneDigitMoreThanTheRange) {
  keys("\r");
  EXPECT_EQ(in_int(0, 10), 0);  // min 0: never -2

  s.move(25, 10);
  keys("15\r");
  key(KEY_BS);
  keys("\r");
  EXPECT_EQ(in_int(0, 10), 1);
  EXPECT_EQ(shown(3), "1  ");
  EXPECT_EQ(s.col(), 11);

  s.move(25, 10);
  keys("99\r");
  key(KEY_PAD_BS);
  keys("\r");
  EXPECT_EQ(in_int(0, 10), 9);

  s.move(25, 10);
  keys("10007\r");
  EXPECT_EQ(in_int(1, 100), 100);
  EXPECT_EQ(shown(5), "100  ");

  // 200 is typed because 20 is below 100; Enter waits for Backspace.
  s.move(25, 10);
  keys("2000\r");
  key(KEY_BS);
  keys("\r");
  EXPECT_EQ(in_int(1, 100), 20);
  EXPECT_EQ(shown(5), "20   ");
}

TEST_F(Fields, CreatureCdfField) {
  keys("0429\r");
  EXPECT_EQ(set_CDF(17, 1), 42);
  EXPECT_EQ(s.line(25).substr(0, 28), " Enter the monster CDF : 42 ");

  s.move(25, 1);
  s.clear_eol();
  keys("5");
  key(KEY_ESC);
  EXPECT_EQ(set_CDF(17, 2), 17);
  EXPECT_EQ(s.line(25).substr(0, 52),
            " Enter the maximum CDF for the group of monsters : 5");

  keys("0\r7");
  key(KEY_BS);
  keys("0");
  key(KEY_BS);
  keys("\r8");
  key(KEY_PAD_ENTER);
  EXPECT_EQ(set_CDF(3, 1), 8);
}

TEST_F(Fields, JewelerElField) {
  keys("\r");
  EXPECT_EQ(set_c_JewEL(), 0);

  info.c_JewEL = 33;
  keys("81\r");
  key(KEY_BS);
  keys("\r");
  EXPECT_EQ(set_c_JewEL(), 8);

  // Zeros can be typed while the value is 0, and stay on the screen.
  keys("000");
  key(KEY_BS);
  keys("5\r");
  EXPECT_EQ(set_c_JewEL(), 5);
  const int field = 54;  // after the prompt
  EXPECT_EQ(s.line(25).substr(field, 5), "0005 ");

  keys("12");
  key(KEY_ESC);
  EXPECT_EQ(set_c_JewEL(), 33);
}

TEST_F(Fields, TextFieldTakesFiftyNineCharacters) {
  char dest[TEXT_SIZE] = "unchanged";
  std::string long_text(59, 'a');
  long_text[0] = '{';
  long_text[1] = '_';
  long_text[2] = ' ';
  keys(long_text + "zZ\r");
  EXPECT_EQ(enter_txt(dest), 0);
  EXPECT_EQ(std::string(dest), long_text);
  EXPECT_EQ(s.line(25).substr(10, 60), long_text + " ");

  // Only letters, digits, braces, underscore and blank are taken.
  s.move(25, 0);
  s.clear_eol();
  s.move(25, 10);
  keys("a.b/c:d");
  key(KEY_PAD_BS);
  key(KEY_PAD_ENTER);
  keys("\r");
  EXPECT_EQ(enter_txt(dest), 0);
  EXPECT_STREQ(dest, "abcd");
}

TEST_F(Fields, TextFieldBackspaceAndEmptyEnter) {
  char dest[TEXT_SIZE] = "unchanged";
  key(KEY_BS);
  keys("\r");
  EXPECT_EQ(enter_txt(dest), -2);
  EXPECT_STREQ(dest, "unchanged");

  s.move(25, 10);
  keys("abc");
  key(KEY_BS);
  key(KEY_ESC);
  EXPECT_EQ(enter_txt(dest), -1);
  EXPECT_STREQ(dest, "unchanged");
  EXPECT_EQ(shown(4), "ab  ");
  EXPECT_EQ(s.col(), 12);  // just after the text

  s.move(25, 10);
  keys("xy");
  key(KEY_BS);
  key(KEY_BS);
  key(KEY_BS);
  keys("q\r");
  EXPECT_EQ(enter_txt(dest), 0);
  EXPECT_STREQ(dest, "q");
}

TEST_F(Fields, FileNameField) {
  std::snprintf(output_name, sizeof output_name, "%s", "default");
  keys("\r");            // an empty Enter keeps waiting
  keys("my hoard_{1}");  // the blank is refused, the ninth character too
  keys("\r");
  EXPECT_EQ(set_out_name(), 0);
  EXPECT_STREQ(output_name, "myhoard_");
  EXPECT_EQ(s.line(25).substr(0, 53),
            " Enter the output filename (no extension) : myhoard_ ");

  keys("ab");
  key(KEY_BS);
  key(KEY_ESC);
  EXPECT_EQ(set_out_name(), 1);
  EXPECT_STREQ(output_name, "myhoard_");
  EXPECT_EQ(s.line(25).substr(44, 9), "a        ");
  EXPECT_EQ(s.col(), 45);
}

}  // namespace
