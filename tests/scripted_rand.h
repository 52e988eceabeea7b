// Scripted dice: while a scripted::source lives, the dice come up as a test
// says and their draws are counted; with none queued they follow a fixed
// sequence.
#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>

#include "dice.h"

namespace scripted {

inline std::deque<int> queue;
inline long draws = 0;

inline void reset() { queue.clear(), draws = 0; }

// The smallest generator value v with max * v / 2^31 at least face - 1.
inline int value_for(int max, int face) {
  return static_cast<int>((((int64_t{face} - 1) << 31) + max - 1) / max);
}

// Queues dice such as "d100=40 d3=1 d3*=2 d2*=1", each at value_for. The
// starred dice come from one d6: D3star 1, 2, 3 from 1, 4, 6; D2star 1, 2
// from 1, 5.
inline void dice(const char *rolls) {
  int max = 0, value = 0, used = 0;
  for (const char *p = rolls; std::sscanf(p, " d%d%n", &max, &used) == 1;) {
    bool star = p[used] == '*';
    if (std::sscanf(p += used + star, "=%d%n", &value, &used) != 1) break;
    p += used;
    if (star) value = value == 1 ? 1 : max == 2 ? 5 : value == 2 ? 4 : 6;
    if (star) max = 6;
    queue.push_back(value_for(max, value));
  }
}

inline int next(int) {
  long n = ++draws;
  if (queue.empty()) return static_cast<int>(n * 48271 % 2147483647);
  int v = queue.front();
  return queue.pop_front(), v;
}

// Installs the scripted values as the dice's source while it lives.
struct source {
  source() { reset(), set_random_source(next); }
  ~source() { set_random_source(nullptr); }
};

}  // namespace scripted
