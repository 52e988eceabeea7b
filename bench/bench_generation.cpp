// Benchmarks of generation: the roll of the dice record, each category
// routine, and the interpreter on a script of 100,000 items of mixed
// categories, set against two floors: the same number of draws, of the C
// library's rand() and of the engine's generator, each with the same number
// of bytes written. Heap allocations are counted inside
// roll_dice and the category routines, which must make none.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "dice.h"
#include "generation.h"
#include "trtables.h"

// ------------------------------------------------- counting heap allocation

extern "C" void *__libc_malloc(std::size_t);
extern "C" void *__libc_calloc(std::size_t, std::size_t);
extern "C" void *__libc_realloc(void *, std::size_t);
extern "C" void __libc_free(void *);

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

// Where the C library has no such entry points nothing is counted, and
// every count reads 0, the interpreter's too.
#ifdef HOARDEX_COUNT_ALLOCATIONS
extern "C" void *malloc(std::size_t n) {
  if (g_counting.load(std::memory_order_relaxed)) ++g_allocations;
  return __libc_malloc(n);
}
extern "C" void *calloc(std::size_t n, std::size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) ++g_allocations;
  return __libc_calloc(n, size);
}
extern "C" void *realloc(void *p, std::size_t n) {
  if (g_counting.load(std::memory_order_relaxed)) ++g_allocations;
  return __libc_realloc(p, n);
}
extern "C" void free(void *p) { __libc_free(p); }
#endif

namespace {

// Counts the allocations made by one call.
template <typename F>
void counted(F call) {
  g_counting.store(true, std::memory_order_relaxed);
  call();
  g_counting.store(false, std::memory_order_relaxed);
}

info_tables g_tables;  // one area

// A private work folder with one area, made once.
void prepare_folder() {
  static bool ready = false;
  if (ready) return;
  static char folder[] = "/tmp/hxbench.XXXXXX";
  if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
  std::atexit([] { std::filesystem::remove_all(folder); });
  std::strcpy(g_tables.areas[0].name, "Bench Hall");
  g_tables.areas[0].other_bound = 2;
  g_tables.areas[0].coins_bound = 4;
  g_tables.areas[0].gems_bound = 6;
  g_tables.areas[0].military_bound = 8;
  g_tables.area_count = 1;
  ready = true;
}

void BM_roll_dice(benchmark::State &state) {
  seed_dice(1);
  dice_record d;
  for (auto _ : state) {
    counted([&] { roll_dice(d); });
    benchmark::DoNotOptimize(d);
  }
  state.counters["allocations"] =
      static_cast<double>(g_allocations.exchange(0));
}
BENCHMARK(BM_roll_dice);

// ---------------------------------------------------------- the categories

constexpr int RECORDS = 4096;

const char *const CATEGORY_NAMES[] = {"",      "other", "coins", "gems",
                                      "milit", "magic", "metal"};

void BM_category(benchmark::State &state) {
  int code = static_cast<int>(state.range(0));
  static dice_record records[RECORDS];
  static item_result out;
  seed_dice(7);
  for (dice_record &r : records) roll_dice(r);
  g_allocations = 0;
  int i = 0;
  for (auto _ : state) {
    dice_record *d = &records[i++ & (RECORDS - 1)];
    int lines = 0;
    counted([&] {
      switch (code) {
        case 1:
          lines = other_main(out, d);
          break;
        case 2:
          lines = coins_main(out, 30, 60, -1, d);
          break;
        case 3:
          lines = gems_main(out, 20, d);
          break;
        case 4:
          lines = milit_main(out, d);
          break;
        case 5:
          lines = magic_main(out, d);
          break;
        default:
          lines = metal_main(out, 20, d);
          break;
      }
    });
    benchmark::DoNotOptimize(lines);
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(CATEGORY_NAMES[code]);
  state.counters["allocations"] =
      static_cast<double>(g_allocations.exchange(0));
}
BENCHMARK(BM_category)->DenseRange(1, 6);

// --------------------------------------------------------- the interpreter

constexpr long ITEMS = 100000;

// The item forms of the script, used in turn.
const char *const ITEM_FORMS[] = {
    "< L1_COINS >\n",       "< L1_OTHER >\n",      "< L1_GEMJJ >\n",
    "< L1_MILIT >\n",       "< L1_MAGIC >\n",      "< L1_METAL >\n",
    "< L2_JEWEL LARGE >\n", "< L1_METAL GOLD >\n", "< L2_WEAPON ONE_ONLY >\n",
    "< L3_MAGICWEAPON >\n",
};

void write_script() {
  FILE *f = std::fopen("temp.hxs", "w");
  if (!f) std::abort();
  std::fputs(
      "1 1 2024\n1 1 1\n[POS: Bench\n[COM: Mixed items\n----------\n"
      "0 89 30 60 20 -1 0\n----------\nMANUAL-GENERATION\n",
      f);
  constexpr long FORMS = sizeof ITEM_FORMS / sizeof ITEM_FORMS[0];
  for (long i = 0; i < ITEMS; ++i) std::fputs(ITEM_FORMS[i % FORMS], f);
  std::fputs("END-OF-SECTION\n", f);
  if (std::fclose(f) != 0) std::abort();
}

long report_bytes() {
  struct stat st {};
  if (stat("default.hxo", &st) != 0) return 0;
  return static_cast<long>(st.st_size);
}

// Processor time of this process (user and system), which a busy machine
// disturbs less than the wall clock.
double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

// Where a floor's draws come from: the C library's rand(), which the dice
// drew before the engine had a generator of its own, or the engine's dice.
enum class draws { c_library, engine };

// The same number of generator draws as the interpreter's dice records and
// the same number of bytes written to a file; the processor seconds taken.
double floor_seconds(long bytes, draws from) {
  static char block[1 << 16];
  std::memset(block, 'x', sizeof block);
  std::srand(3);
  seed_dice(3);
  double start = cpu_seconds();
  int sum = 0;
  if (from == draws::c_library)
    for (long i = 0; i < ITEMS * DICE_PER_RECORD; ++i) sum += std::rand();
  else
    for (long i = 0; i < ITEMS * DICE_PER_RECORD; ++i) sum += random_value();
  benchmark::DoNotOptimize(sum);
  FILE *f = std::fopen("floor.out", "w");
  if (!f) std::abort();
  for (long left = bytes; left > 0;) {
    long n = left < static_cast<long>(sizeof block) ? left : sizeof block;
    std::fwrite(block, 1, n, f);
    left -= n;
  }
  std::fclose(f);
  double took = cpu_seconds() - start;
  std::remove("floor.out");
  return took;
}

// The best of three floors.
double best_floor(long bytes, draws from) {
  double best = floor_seconds(bytes, from);
  for (int i = 0; i < 2; ++i) {
    double again = floor_seconds(bytes, from);
    if (again < best) best = again;
  }
  return best;
}

void BM_interpreter_100k(benchmark::State &state) {
  prepare_folder();
  write_script();
  seed_dice(3);
  g_allocations = 0;
  long bytes = 0;
  double seconds = 0;
  for (auto _ : state) {
    std::remove("default.hxo");
    double start = cpu_seconds();
    // Headless: the report is only appended. It is kept from run to run,
    // as a caller generating many reports would keep it.
    static text_report report;
    counted([] { interpret_file(SCRIPT_PATH, "default", g_tables, report); });
    seconds += cpu_seconds() - start;
    state.PauseTiming();
    bytes = report_bytes();
    state.ResumeTiming();
  }
  double per_item = seconds / state.iterations() / ITEMS;
  // The floors, measured in the same run.
  double floor = best_floor(bytes, draws::c_library);
  double floor_engine = best_floor(bytes, draws::engine);
  state.SetItemsProcessed(state.iterations() * ITEMS);
  state.counters["ns_per_item"] = per_item * 1e9;
  state.counters["floor_ns_per_item"] = floor / ITEMS * 1e9;
  state.counters["floor2_ns_per_item"] = floor_engine / ITEMS * 1e9;
  state.counters["x_floor"] = per_item * ITEMS / floor;
  state.counters["x_floor2"] = per_item * ITEMS / floor_engine;
  state.counters["report_bytes"] = static_cast<double>(bytes);
  // Opening the two files allocates; a count above 0 here shows that the
  // counter sees allocations, so the 0 of the routines above is real.
  state.counters["allocations"] =
      static_cast<double>(g_allocations.exchange(0)) / state.iterations();
}
BENCHMARK(BM_interpreter_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
