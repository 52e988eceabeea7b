// The dice: the generator's seeding and the one dice state.
#include "dice.h"

#include <ctime>

dice_state g_dice;

void dice_generator::reseed(unsigned seed) {
  if (seed == 0) seed = 1;
  // The multiplicative generator in 32-bit signed arithmetic without
  // overflow (Schrage's method); the seed is taken as a signed word, so a
  // seed of 2^31 or more starts from a negative word, as in the C library.
  int32_t word = static_cast<int32_t>(seed);
  words_[0] = static_cast<uint32_t>(word);
  for (int i = 1; i < DEGREE; ++i) {
    int32_t hi = word / 127773;
    int32_t lo = word % 127773;
    word = 16807 * lo - 2836 * hi;
    if (word < 0) word += 2147483647;
    words_[i] = static_cast<uint32_t>(word);
  }
  front_ = SEPARATION;
  rear_ = 0;
  for (int i = 0; i < 10 * DEGREE; ++i) next();
}

void seed_dice(unsigned seed) { g_dice.generator.reseed(seed); }

void seed_dice_or_clock(std::optional<unsigned> seed) {
  seed_dice(seed ? *seed : static_cast<unsigned>(std::time(nullptr)));
}

void set_random_source(int (*source)()) { g_dice.source = source; }
