// The monster, area and settings records, the global state owned by
// start-up, and the front-end operations the other rooms call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "trtables.h"

constexpr int MAX_MONSTERS = 90;
constexpr int MAX_AREAS = 32;
constexpr int NAME_SIZE = 20;      // 19 characters and a terminator
constexpr int GROUP_SIZE = 15;     // 14 characters and a terminator
constexpr int PORT_TXT_MAX = 255;  // longest portable text
constexpr int TEXT_SIZE = 60;      // position and comment texts
constexpr int FILE_NAME_SIZE = 9;  // 8 characters and a terminator
constexpr int BUFFER_SIZE = 256;

// The slot a manual script names as its monster.
constexpr int MANUAL_MONSTER = 89;

struct monster_td {
  char name[NAME_SIZE];
  char group[GROUP_SIZE];  // a first character ' ' means no group
  char *port_txt;          // owned; null unless spec_code has 0x2
  uint32_t spec_code;
  uint32_t port_code;
  int32_t num_of_trss;
};
using monster_type = monster_td;

struct area_td {
  char name[NAME_SIZE];
  int32_t other;
  int32_t coins;
  int32_t gemjj;
  int32_t milit;
  int32_t magic;
};
using area_type = area_td;

struct info_td {
  int32_t c_mon;
  int32_t c_area;
  int32_t c_CDF;
  int32_t max_CDF;
  int32_t c_JewEL;
  int32_t c_var_trss;
  int32_t c_mon_Stat;
  int32_t c_mon_MEL;
  int32_t c_mon_CEL;
  int32_t gd_day;
  int32_t gd_month;
  int32_t gd_year;
  uint32_t other_mon;
};
using info_type = info_td;

extern monster_type monster[MAX_MONSTERS];
extern int32_t max_mon;
extern area_type area[MAX_AREAS];
extern int32_t max_area;
extern info_type info;
extern char script_name[FILE_NAME_SIZE];
extern char output_name[FILE_NAME_SIZE];
extern char pos_txt[TEXT_SIZE];
extern char comm_txt[TEXT_SIZE];
extern char buffer[BUFFER_SIZE];
extern all_dice_ptr Dice;
extern FILE *script;
extern FILE *output;

// The monster label: "group, name", or the name alone when the group's first
// character is a blank. Written into out (at most n bytes with terminator).
void monster_label(const monster_type &m, char *out, std::size_t n);

// Title banner at the cursor: product title, maker's notice from column 62,
// then two line ends.
void title_banner();

// Start-up and shutdown.
int main_hoardex();
int init_settings();
int exit_and_save();

// Field editors. -1 means Escape, -2 Enter on an empty field.
int in_yn();
int in_int(int min, int max);
int enter_txt(char *string);

// Screens.
void main_menu();
int sel_monster();
void mon_page(int page);
int sel_area();
int set_CDF(int tc_CDF, int sett);
int set_c_JewEL();
void set_mon_spec();
int enter_comm();
int set_out_name();
int manual_select();
