// The dice: every random number of the program comes from here.
#include "dice.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {
int (*g_source)(int) = nullptr;  // a test's scripted values, or null for rand()

int draw(int faces) { return g_source ? g_source(faces) : std::rand(); }
}  // namespace

void seed_dice(unsigned seed) { std::srand(seed); }

void seed_dice_or_clock(std::optional<unsigned> seed) {
  seed_dice(seed ? *seed : static_cast<unsigned>(std::time(nullptr)));
}

int random_value() { return draw(0); }

void set_random_source(int (*source)(int)) { g_source = source; }

int roll_die(int faces) {
  // The values are 0 .. 2^31-1; the exact product shifted right by 31 bits is
  // the integer part of faces * r / 2^31.
  int64_t r = draw(faces);
  return static_cast<int>((static_cast<int64_t>(faces) * r) >> 31) + 1;
}

int d100() { return roll_die(100); }
int d10() { return roll_die(10); }
int d6() { return roll_die(6); }
int d3() { return roll_die(3); }

int d3_star() {
  int r = roll_die(6);
  if (r <= 3) return 1;
  if (r <= 5) return 2;
  return 3;
}

int d2_star() { return roll_die(6) <= 4 ? 1 : 2; }

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
