// Scripted dice for the writers' tests: this program's own rand() hands out
// values chosen so that the next dice come up as the test says, and counts
// every draw. Once the script is used up it goes on with a fixed
// pseudo-random sequence of its own.
//
// Include it in one test source only: it defines rand() for that program.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>

namespace scripted {

inline std::deque<int> queue;
inline long draws = 0;
inline uint64_t state = 1;

inline void reset(uint64_t seed = 1) {
  queue.clear();
  draws = 0;
  state = seed;
}

// The next die of `max` faces shows `value`: the smallest generator value v
// with max * v / 2^31 at least value - 1.
inline void die(int max, int value) {
  int64_t v = ((static_cast<int64_t>(value - 1) << 31) + max - 1) / max;
  queue.push_back(static_cast<int>(v));
}
inline void d100(int v) { die(100, v); }
inline void d10(int v) { die(10, v); }
inline void d6(int v) { die(6, v); }
inline void d3(int v) { die(3, v); }
// The weighted dice come from one d6: D3star 1, 2, 3 from faces 1, 4, 6;
// D2star 1, 2 from faces 1, 5.
inline void d3star(int v) { die(6, v == 1 ? 1 : v == 2 ? 4 : 6); }
inline void d2star(int v) { die(6, v == 1 ? 1 : 5); }

// Several dice at once: "d100=40 d3=1 d3*=2 d2*=1" (a star for the weighted
// dice).
inline void dice(const char *spec) {
  const char *p = spec;
  while (*p) {
    int max = 0, value = 0, used = 0;
    bool star = false;
    if (std::sscanf(p, " d%d%n", &max, &used) != 1) break;
    p += used;
    if (*p == '*') star = true, ++p;
    if (std::sscanf(p, "=%d%n", &value, &used) != 1) break;
    p += used;
    if (star)
      max == 3 ? d3star(value) : d2star(value);
    else
      die(max, value);
    while (*p == ' ') ++p;
  }
}

}  // namespace scripted

int rand() noexcept {
  ++scripted::draws;
  if (!scripted::queue.empty()) {
    int v = scripted::queue.front();
    scripted::queue.pop_front();
    return v;
  }
  scripted::state =
      scripted::state * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<int>(scripted::state >> 33);
}
