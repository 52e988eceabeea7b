// Natural magic items: the plants, animal parts and metals or stones that
// carry magic by nature, with the ounces of a plant and the pounds of the
// few metals sold by weight.
#include "table_lookup.h"
#include "tr_magic.h"

namespace {

struct weighed_row {
  int hi;
  const char *text;
  bool weighed;  // the weight in pounds follows the name
};

// clang-format off
constexpr text_row plant_rows[] = {
  {  1, "Adingantida"   },
  {  3, "Agrimony"      },
  {  8, "Amaranth"      },
  { 10, "Anemone"       },
  { 12, "Angelica"      },
  { 13, "Balim"         },
  { 16, "Basil"         },
  { 17, "Belladonna"    },
  { 19, "Betony"        },
  { 20, "Bindweed"      },
  { 21, "Black Poppy"   },
  { 24, "Cayenne"       },
  { 26, "Celandine"     },
  { 28, "Chervil"       },
  { 29, "Chimedon"      },
  { 31, "Cinquefoil"    },
  { 36, "Clove Pink"    },
  { 40, "Darbha Grass"  },
  { 42, "Elder Berries" },
  { 45, "Elder Twigs"   },
  { 46, "Euphorbia"     },
  { 48, "Fennel"        },
  { 49, "Fern Seed"     },
  { 53, "Garlic"        },
  { 54, "Hellebore"     },
  { 56, "Hemlock"       },
  { 57, "Hembane"       },
  { 59, "Houseleek"     },
  { 60, "Hyercium"      },
  { 63, "Laurel"        },
  { 64, "Lunas"         },
  { 65, "Mandrake"      },
  { 67, "Mephis"        },
  { 68, "Mevais"        },
  { 72, "Mistletoe"     },
  { 73, "Moon Rose"     },
  { 75, "Moonwort"      },
  { 77, "Mugwort"       },
  { 81, "Peska"         },
  { 82, "Purple Lotus"  },
  { 84, "Purslane"      },
  { 87, "Qadishi Root"  },
  { 90, "Rowan"         },
  { 93, "Rue"           },
  { 94, "Snake Grape"   },
  { 96, "Vervain"       },
  { 97, "White Lotus"   },
  { 98, "White Poppy"   },
  {100, "Wolfbane"      },
};
static_assert(bounds_ascend(plant_rows));

constexpr text_row animal_rows[] = {
  {  5, "Alectorius"            },
  {  8, "Amber"                 },
  {  9, "Basilisk Blood"        },
  { 12, "Bdellium"              },
  { 18, "Bear Claws"            },
  { 20, "Beithir Hide"          },
  { 21, "Beithirius"            },
  { 26, "Bezoar"                },
  { 31, "Black Cat Blood"       },
  { 34, "Black Cat Bones"       },
  { 37, "Boar Tusk"             },
  { 39, "Bouba Fur"             },
  { 44, "Bush Resin"            },
  { 46, "Castor d'fay"          },
  { 48, "Chameleon Liver"       },
  { 50, "Chelidonius"           },
  { 54, "Cock Feathers"         },
  { 57, "Coral"                 },
  { 58, "Dragon Blood"          },
  { 60, "Fire Snake Brain"      },
  { 61, "Firestone"             },
  { 62, "Gorgon Head"           },
  { 64, "Great Serpent Poison"  },
  { 66, "Great Spider Poison"   },
  { 67, "Harab Serapel Claws"   },
  { 70, "Hyena Skin"            },
  { 71, "Hydra Blood"           },
  { 72, "Hydra Head"            },
  { 73, "Hydra Teeth"           },
  { 75, "Lapwing Heart"         },
  { 80, "Pearl"                 },
  { 83, "Pigeon Stones"         },
  { 85, "Roc Feathers"          },
  { 88, "Saliva"                },
  { 90, "Scorpion Woman Poison" },
  { 92, "Te'sla Blood"          },
  { 93, "Toad Blood"            },
  { 95, "Unicorn horn"          },
  { 97, "Wolf Blood"            },
  { 99, "Wolf Eye"              },
  {100, "Wolf Skin"             },
};
static_assert(bounds_ascend(animal_rows));

constexpr weighed_row metal_rows[] = {
  {  5, "Agate",         false },
  {  9, "Amethyst",      false },
  { 12, "Antimony",      true  },
  { 13, "Black Diamond", false },
  { 16, "Bloodstone",    false },
  { 20, "Carbuncle",     false },
  { 24, "Chalcedony",    false },
  { 27, "Chrysolite",    false },
  { 30, "Chrysophrase",  false },
  { 33, "Corneolus",     false },
  { 35, "Crystal",       false },
  { 37, "Dark Ruby",     false },
  { 39, "Diamond",       false },
  { 41, "Dinothera",     false },
  { 44, "Emerald",       false },
  { 45, "Heliotropius",  false },
  { 48, "Hyacinthus",    false },
  { 51, "Jacinth",       false },
  { 54, "Jade",          false },
  { 58, "Jasper",        false },
  { 62, "Jet",           false },
  { 64, "Lapis Lazuli",  false },
  { 66, "Lodestone",     false },
  { 67, "Meteorite",     true  },
  { 70, "Onyx",          false },
  { 73, "Opal",          false },
  { 74, "Quicksilver",   true  },
  { 77, "Ruby",          false },
  { 81, "Salt",          false },
  { 83, "Sapphire",      false },
  { 84, "Smarag",        false },
  { 85, "Snake Stone",   false },
  { 86, "Star Ruby",     false },
  { 87, "Star Sapphire", false },
  { 88, "Toadstone",     false },
  { 91, "Topaz",         false },
  { 93, "Tourmaline",    false },
  { 97, "Turquoise",     false },
  {100, "White Flint",   false },
};
static_assert(bounds_ascend(metal_rows));
// clang-format on

}  // namespace

void magic_natural_item(item_result &out, dice_record *dice) {
  const magic_dice &m = dice->magic;
  switch (m.d3star_NMI_type) {
    case 1:
      magic_natural_plant(out, m.d100_subtype, m.d10_2_NMI_amount,
                          dice->in_container);
      break;
    case 2:
      magic_natural_animal(out, m.d100_subtype);
      break;
    case 3:
      magic_natural_metal(out, m.d100_subtype, m.d2star_NMI_amount);
      break;
    default:
      break;
  }
}

void magic_natural_plant(item_result &out, int roll, int ounces,
                         int in_container) {
  if (const text_row *row = table_row_in(plant_rows, roll, 1, 100))
    out.append(row->text);
  // A container's content leaves the amount to the container's own text.
  if (in_container == 0) out.appendf(", %d ounces", ounces);
}

void magic_natural_animal(item_result &out, int roll) {
  if (const text_row *row = table_row_in(animal_rows, roll, 1, 100))
    out.append(row->text);
}

void magic_natural_metal(item_result &out, int roll, int pounds) {
  int weight = 0;
  if (const weighed_row *row = table_row_in(metal_rows, roll, 1, 100)) {
    out.append(row->text);
    if (row->weighed) weight = pounds;
  }
  if (weight != 0) out.appendf(", %d pound(s)", weight);
}
