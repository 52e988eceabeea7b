// The dice: the generator's seeding and the one dice state.
#include "dice.h"

#include <cstring>
#include <ctime>

dice_state g_dice;

void dice_generator::reseed(unsigned seed) {
  if (seed == 0) seed = 1;
  // The multiplicative generator in 32-bit signed arithmetic without
  // overflow (Schrage's method); the seed is taken as a signed word, so a
  // seed of 2^31 or more starts from a negative word, as in the C library.
  uint32_t seeded[DEGREE];
  int32_t word = static_cast<int32_t>(seed);
  seeded[0] = static_cast<uint32_t>(word);
  for (int i = 1; i < DEGREE; ++i) {
    int32_t hi = word / 127773;
    int32_t lo = word % 127773;
    word = 16807 * lo - 2836 * hi;
    if (word < 0) word += 2147483647;
    seeded[i] = static_cast<uint32_t>(word);
  }
  // The first new word is the sum of seeded[SEPARATION] and seeded[0]: in
  // the order of age, the words from SEPARATION on come first.
  for (int i = 0; i < DEGREE; ++i)
    words_[i] = seeded[(i + SEPARATION) % DEGREE];
  words_[DEGREE] = 0;
  // The 310 values discarded are ten passes.
  for (int pass = 0; pass < 10; ++pass) refill();
  used_ = DEGREE;
}

void dice_generator::refill() {
  // The new word i is the sum of the words 31 back (words_[i]) and 3 back:
  // an old word for the first three, a new one after them.
  for (int i = 0; i < SEPARATION; ++i)
    words_[i] += words_[i + DEGREE - SEPARATION];
  for (int i = SEPARATION; i < DEGREE; ++i) words_[i] += words_[i - SEPARATION];
  // Over the spare entry too, the pass is a few vector instructions.
  for (int i = 0; i < DEGREE + 1; ++i)
    values_[i] = static_cast<int>(words_[i] >> 1);
  used_ = 0;
}

void dice_generator::fill(int *out, int n) {
  while (n > 0) {
    if (used_ == DEGREE) refill();
    int from = used_;
    int take = n < DEGREE - from ? n : DEGREE - from;
    std::memcpy(out, values_ + from, sizeof *out * take);
    used_ = from + take;
    out += take;
    n -= take;
  }
}

void seed_dice(unsigned seed) { g_dice.generator.reseed(seed); }

unsigned clock_seed() { return static_cast<unsigned>(std::time(nullptr)); }

void seed_dice_or_clock(std::optional<unsigned> seed) {
  seed_dice(seed ? *seed : clock_seed());
}

void draw_values(int *out, int n) { g_dice.generator.fill(out, n); }

void set_random_source(int (*source)(int faces)) { g_dice.source = source; }
