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
    uint32_t word = words_[front_] += words_[rear_];
    front_ = front_ == DEGREE - 1 ? 0 : front_ + 1;
    rear_ = rear_ == DEGREE - 1 ? 0 : rear_ + 1;
    return static_cast<int>(word >> 1);
  }

 private:
  static constexpr int DEGREE = 31;    // words of state
  static constexpr int SEPARATION = 3;  // the second word: 3 back
  uint32_t words_[DEGREE];
  int front_;  // the word 31 back, replaced by the new word
  int rear_;   // the word 3 back
};

// The one dice state of the program: the generator, and the source a test
// installed (null for the generator).
struct dice_state {
  dice_generator generator;
  int (*source)() = nullptr;
};
extern dice_state g_dice;

// Seeds the generator; the one place the program seeds it.
void seed_dice(unsigned seed);
// Seeds with the seed given, or from the clock without one.
void seed_dice_or_clock(std::optional<unsigned> seed);
// The next generator value, 0 to 2^31-1.
inline int random_value() {
  return g_dice.source ? g_dice.source() : g_dice.generator.next();
}
// Draws the generator values from `source` instead of the generator; null
// restores the generator. For tests that script the dice.
void set_random_source(int (*source)());

// A die of `faces` faces (at least 1): 1 to faces, taken from the high-order
// bits of the next generator value. The values are 0 .. 2^31-1; the exact
// product shifted right by 31 bits is the integer part of faces * r / 2^31.
inline int roll_die(int faces) {
  int64_t r = random_value();
  return static_cast<int>((static_cast<int64_t>(faces) * r) >> 31) + 1;
}
inline int d100() { return roll_die(100); }
inline int d10() { return roll_die(10); }
inline int d6() { return roll_die(6); }
inline int d3() { return roll_die(3); }
// Weighted dice from one d6: d3_star gives 1, 2, 3 with chances 3/6, 2/6,
// 1/6; d2_star gives 1, 2 with chances 4/6, 2/6.
inline int d3_star() {
  int r = d6();
  return r <= 3 ? 1 : r <= 5 ? 2 : 3;
}
inline int d2_star() { return d6() <= 4 ? 1 : 2; }
// Sums of dice, rolled one after the other: 2d6, 2d10 and 3d10.
inline int two_d6() {
  int a = d6();
  return a + d6();
}
inline int two_d10() {
  int a = d10();
  return a + d10();
}
inline int three_d10() {
  int a = d10();
  a += d10();
  return a + d10();
}

// Number of generator values one roll_dice call draws.
constexpr int DICE_PER_RECORD = 111;

// Fills every field of the record with a fresh roll, in declaration order of
// the sub-records metal, other, milit, gemjj, magic, coins; sets message to 0.
void roll_dice(dice_record &dice);
