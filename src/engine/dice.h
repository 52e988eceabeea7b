// The dice: every random number of the program is drawn through
// random_value(), from the engine's own generator unless a test installed a
// source of its own; and the roll of the whole dice record that precedes
// every treasure item.
#pragma once

#include <cstdint>
#include <optional>

#include "trtables.h"

// The random source. Value for value it gives the sequence that the GNU C
// library's rand() gives after srand(seed), so a seed replays the same
// treasure on every platform and with every C library, and it takes no lock.
// It is an additive feedback generator: 31 words seeded by the
// multiplicative generator 16807 x mod 2^31-1, each new word the sum of the
// words 31 and 3 back (modulo 2^32), the value the new word shifted right by
// one, the first 310 values discarded.
class dice_generator {
 public:
  explicit dice_generator(unsigned seed = 1) { reseed(seed); }
  // Seed 0 seeds as 1, as the C library does.
  void reseed(unsigned seed);
  // The next value, 0 to 2^31-1.
  int next() {
    if (used_ == DEGREE) [[unlikely]]
      refill();
    return values_[used_++];
  }
  // The next n values into out, as n calls of next() give them.
  void fill(int *out, int n);

 private:
  static constexpr int DEGREE = 31;     // words of state
  static constexpr int SEPARATION = 3;  // the second word: 3 back
  // Replaces the 31 words by the next 31, which is one pass over them, and
  // the values by theirs.
  void refill();
  // The last 31 words, the oldest first, and their values; a spare entry
  // (0) rounds the arrays to whole vectors.
  uint32_t words_[DEGREE + 1];
  int values_[DEGREE + 1];
  int used_;  // values already given
};

// The one dice state of the program: the generator, and the source a test
// installed (null for the generator), which is told the faces of the die each
// value is for (0 for a value no die takes).
struct dice_state {
  dice_generator generator;
  int (*source)(int faces) = nullptr;
};
extern dice_state g_dice;

// Seeds the generator; the one place the program seeds it.
void seed_dice(unsigned seed);
// The clock's seed: the seconds since 1970, in 32 bits.
unsigned clock_seed();
// Seeds with the seed given, or from the clock without one.
void seed_dice_or_clock(std::optional<unsigned> seed);
// The next generator value, 0 to 2^31-1, for a die of `faces` faces (0: for
// no die).
inline int random_value_for(int faces) {
  if (g_dice.source) [[unlikely]]
    return g_dice.source(faces);
  return g_dice.generator.next();
}
// The next generator value, 0 to 2^31-1.
inline int random_value() { return random_value_for(0); }
// The next n generator values into out, as n calls of random_value() give
// them; only for the generator (a test's source is asked die by die).
void draw_values(int *out, int n);
// Draws the generator values from `source` instead of the generator; null
// restores the generator. For tests that script the dice: the source is told
// the faces of the die each value is for.
void set_random_source(int (*source)(int faces));

// The dice over a source of generator values, whose next(faces) gives the
// next one for a die of that many faces: the one definition of every die, for
// the dice drawn one at a time and for the dice of a record drawn in one go.
template <typename Values>
struct dice_over : Values {
  // A die of `faces` faces (at least 1): 1 to faces, taken from the
  // high-order bits of the next generator value. The values are
  // 0 .. 2^31-1; the exact product shifted right by 31 bits is the integer
  // part of faces * r / 2^31.
  int roll_die(int faces) {
    int64_t r = this->next(faces);
    return static_cast<int>((static_cast<int64_t>(faces) * r) >> 31) + 1;
  }
  int d100() { return roll_die(100); }
  int d10() { return roll_die(10); }
  int d6() { return roll_die(6); }
  int d3() { return roll_die(3); }
  // Weighted dice from one d6: d3_star gives 1, 2, 3 with chances 3/6, 2/6,
  // 1/6; d2_star gives 1, 2 with chances 4/6, 2/6.
  int d3_star() {
    int r = d6();
    return r <= 3 ? 1 : r <= 5 ? 2 : 3;
  }
  int d2_star() { return d6() <= 4 ? 1 : 2; }
  // Sums of dice, rolled one after the other: 2d6, 2d10 and 3d10.
  int two_d6() {
    int a = d6();
    return a + d6();
  }
  int two_d10() {
    int a = d10();
    return a + d10();
  }
  int three_d10() {
    int a = d10();
    a += d10();
    return a + d10();
  }
};

// The dice drawn one at a time through random_value().
struct random_values {
  static int next(int faces) { return random_value_for(faces); }
};
using one_by_one = dice_over<random_values>;
inline int roll_die(int faces) { return one_by_one{}.roll_die(faces); }
inline int d100() { return one_by_one{}.d100(); }
inline int d10() { return one_by_one{}.d10(); }
inline int d6() { return one_by_one{}.d6(); }
inline int d3() { return one_by_one{}.d3(); }
inline int d3_star() { return one_by_one{}.d3_star(); }
inline int d2_star() { return one_by_one{}.d2_star(); }
inline int two_d6() { return one_by_one{}.two_d6(); }
inline int two_d10() { return one_by_one{}.two_d10(); }
inline int three_d10() { return one_by_one{}.three_d10(); }

// Number of generator values one roll_dice call draws.
constexpr int DICE_PER_RECORD = 111;

// Fills every field of the record with a fresh roll, in declaration order of
// the sub-records metal, other, milit, gems, magic, coins; sets in_container
// to 0.
void roll_dice(dice_record &dice);
