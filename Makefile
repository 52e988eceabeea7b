# make run: build, prepare the play folder from data/, start the program there.
# make test: build and run every test. Both install missing packages first.
# make deb: build the Debian package in $(BUILD) (hoardex_VERSION_ARCH.deb).
BUILD    ?= build
ASAN     ?= build-asan
PLAY     ?= play
JOBS     ?= $(shell nproc)
FUZZ     ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_monsters fuzz_areas fuzz_settings fuzz_interp fuzz_fields
CMAKE_FLAGS ?=

.PHONY: all deps build run test sanitize bench fuzz install deb format clean

all: build

deps:
	@scripts/deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p $(PLAY)
	@for f in monster.hxi area.hxi setup.hxi; do \
	  [ -e $(PLAY)/$$f ] || cp data/$$f $(PLAY)/$$f; done
	@cd $(PLAY) && ../$(BUILD)/hoardex

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	@cmake -S . -B $(ASAN) -DHOARDEX_SANITIZE=ON -DHOARDEX_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	@cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/hoardex_bench

# make fuzz: every libFuzzer target in fuzz/ for FUZZ_SECONDS seconds each,
# built with clang and the address and undefined-behaviour sanitizers.
fuzz: deps
	@cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DHOARDEX_FUZZ=ON \
	  -DHOARDEX_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target $(FUZZ_TARGETS)
	@fuzz/run $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

install: build
	@cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

deb: build
	@cd $(BUILD) && cpack -G DEB

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD) $(ASAN) $(FUZZ)
