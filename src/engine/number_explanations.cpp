// The explanations of the numbers, from the rules the generation follows:
// the coin table reads the CDFs and the Station, the gem and fine metal
// tables the jeweler's EL, the script writers Station, MEL and CEL.
// The manual page takes the rows of this table and the sentence after it as
// they stand (scripts/number_explanations.cmake), so each stays on one line
// and its texts hold no quote, backslash or semicolon.
#include "number_explanations.h"

// clang-format off
const number_explanation NUMBER_EXPLANATIONS[6] = {
  {number_id::cdf,        "Creature CDF", "Creature CDF: the kind of coins, higher is costlier, 45 and up always gold", "The coin table reads it for the kind of every coin item: CDF/5 plus a d10. At CDF 1 to 4 a coin item is Brass Bits 3 times in 10, Copper Coins 4, Silver Coins 2 and Gold Coins 1, each 5 more moves the roll one step up, and from CDF 45 to 99 every coin item is Gold Coins. It is not used when the monster has a Station that goes into the script (special code 0x4): the Station decides the kind then. How many coins there are follows the group's highest CDF."},
  {number_id::group_cdf,  "Group's CDF",  "Group's highest CDF: how many coins, 1 to 300 an item at 1, up to 4000 at 99",  "The coin table adds it to a d100 for the number of coins in every coin item. At 1 an item holds 1 to 300 coins, at 99 it holds 2 to 4000, and 200 or more for sure on 74 rolls of the d100 in 100. It changes only how many coins there are, never their kind, and nothing else reads it. Set it to the CDF of the strongest creature of the group: below the creature's own CDF it is kept as given, but the coins are fewer than the creature alone would have."},
  {number_id::jeweler_el, "Jeweler's EL", "Jeweler's EL: adds EL/10 to the worth of jewels, jewelry and fine metal",   "The EL of the jeweler who values the finds, 0 when unknown. Its tens (EL/10) are added to the value factor of every jewel and piece of jewelry and to the value of every fine metal object before its metal's multiplier, and loose gems get nothing. 0 to 9 add nothing, 80 adds 8. It changes no kind and no count, only values."},
  {number_id::station,    "Station",      "Station: the coins' kind and Station+1 more lair treasures (special code 0x4)", "Asked only of monsters with special code 0x4, 0x8 or 0x20. With 0x4 it decides the kind of every coin item in place of the creature's CDF (0 or 1 Brass Bits, 2 Copper Coins, 3 or 4 Silver Coins, 5 and up Gold Coins) and adds Station + 1 lair treasures. With 0x4 or 0x8 on a monster that carries treasure (0x2) it is part of the Station + MEL + CEL rolls on the lair's table carried on its person (twice that many with 0x8). With 0x20 on a monster that carries treasure there is a chance of 10 times the Station in 100 of d3 pieces of metal or jewelry carried: none at 0, every time at 10."},
  {number_id::mel,        "MEL",          "MEL: adds MEL lair treasures (0x8 without 0x4), counts in the carried rolls", "Asked with Station and CEL of monsters with special code 0x4 or 0x8. With 0x8 and not 0x4 it adds MEL lair treasures (none at 0, 50 at 50). On a monster that carries treasure (0x2) it is part of the Station + MEL + CEL rolls on the lair's table carried on its person (twice that many with 0x8). With 0x4 and no portable treasure it changes nothing."},
  {number_id::cel,        "CEL",          "CEL: counts only in the carried rolls on the lair's table, Station+MEL+CEL",  "Asked with Station and MEL of monsters with special code 0x4 or 0x8. It is read only for the Station + MEL + CEL rolls on the lair's table carried on the person of a monster that carries treasure (0x2), twice that many with 0x8. On a monster without portable treasure it changes nothing."},
};
// clang-format on

// clang-format off
const char *const SCORES_ASKED_TWICE = "A monster with both 0x4 and 0x8 is asked Station, MEL and CEL once for each, and one with 0x20 beside them is asked its Station again: each flag is a rule of its own that reads the scores. The last answers are the ones kept, so give the same values each time.";
// clang-format on

const number_explanation &explanation_of(number_id id) {
  for (const number_explanation &e : NUMBER_EXPLANATIONS)
    if (e.id == id) return e;
  return NUMBER_EXPLANATIONS[0];
}
