// The dice: every random number of the program comes from here.
#include "dice.h"

#include <cstdint>
#include <cstdlib>

int gendice(int max) {
  // rand() yields 0 .. 2^31-1; the exact product shifted right by 31 bits is
  // the integer part of max * r / 2^31.
  int64_t r = std::rand();
  return static_cast<int>((static_cast<int64_t>(max) * r) >> 31) + 1;
}

int D100() { return gendice(100); }
int D10() { return gendice(10); }
int D6() { return gendice(6); }
int D3() { return gendice(3); }

int D3star() {
  int r = gendice(6);
  if (r <= 3) return 1;
  if (r <= 5) return 2;
  return 3;
}

int D2star() { return gendice(6) <= 4 ? 1 : 2; }

int D2d6() {
  int a = D6();
  return a + D6();
}

int D2d10() {
  int a = D10();
  return a + D10();
}

int D3d10() {
  int a = D10();
  a += D10();
  return a + D10();
}
