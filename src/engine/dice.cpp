// The dice: every random number of the program comes from here.
#include "dice.h"

#include <cstdint>
#include <cstdlib>

namespace {
int (*g_source)() = nullptr;  // a test's scripted values, or null for rand()

// The C library's additive generator, the one rand() runs, with a state of
// its own: seeded by initstate_r exactly as srand() seeds rand(), then
// stepped here as random_r steps it, so it gives the same values. rand()
// takes a lock on every call, which cost as much as the rest of a treasure
// item. Unseeded it starts as rand() does, seeded with 1.
struct own_generator {
  char state[128];  // 128 bytes: the kind of generator rand() uses
  random_data data{};

  own_generator() { seed(1); }
  void seed(unsigned s) {
    data = random_data{};
    initstate_r(s, state, sizeof state, &data);
  }
  int next() {
    uint32_t value =
        static_cast<uint32_t>(*data.fptr) + static_cast<uint32_t>(*data.rptr);
    *data.fptr = static_cast<int32_t>(value);
    if (++data.fptr >= data.end_ptr) {
      data.fptr = data.state;
      ++data.rptr;
    } else if (++data.rptr >= data.end_ptr) {
      data.rptr = data.state;
    }
    return static_cast<int>(value >> 1);
  }
};

own_generator g_generator;
}  // namespace

void seed_dice(unsigned seed) {
  std::srand(seed);  // anything else that draws from rand() is seeded alike
  g_generator.seed(seed);
}

int random_value() { return g_source ? g_source() : g_generator.next(); }

void set_random_source(int (*source)()) { g_source = source; }

int roll_die(int faces) {
  // The values are 0 .. 2^31-1; the exact product shifted right by 31 bits is
  // the integer part of faces * r / 2^31.
  int64_t r = random_value();
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
