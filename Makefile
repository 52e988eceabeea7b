# make run: build, prepare the play folder from data/, start the program there.
# make test: build and run every test but the browser version's.
# make test-web: build the browser version and test it in headless chromium.
# Each installs missing packages first.
# make deb: build the Debian package in $(BUILD) (hoardex_VERSION_ARCH.deb).
# make check-builds: Release with g++ and clang, and without the tests.
# make web: build the browser version into $(WEB) (open $(WEB)/index.html).
BUILD    ?= build
WEB      ?= build-web
ASAN     ?= build-asan
COV      ?= build-cov
PLAY     ?= play
JOBS     ?= $(shell nproc)
FUZZ     ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_monsters fuzz_settings fuzz_interp fuzz_fields fuzz_cli fuzz_requests fuzz_escaped \
               fuzz_export
CHECK    ?= build-check
CMAKE_FLAGS ?=
# Every build made here treats the project's warnings as errors.
WERROR   = -DHOARDEX_WERROR=ON
# $(call generator,FOLDER): Ninja for a new build folder where it is
# installed (scripts/deps installs it).
generator = $$(scripts/cmake_generator $(1))

.PHONY: all deps build run test test-web sanitize bench coverage fuzz install deb format \
        clean mutants check-builds web

# $(call quietly,COMMAND): runs COMMAND and shows its output only when it
# fails.
quietly = out=$$($(1) 2>&1) || { printf '%s\n' "$$out" >&2; exit 1; }

all: build

deps:
	@scripts/deps

build: deps
	@cmake -S . -B $(BUILD) $(call generator,$(BUILD)) $(WERROR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The program alone, configured once and built without a word unless the
# build fails, so a start with nothing changed takes about a second.
# A first build takes about a minute; one line says so instead of silence.
run: deps
	@[ -x $(BUILD)/hoardex ] || \
	  echo "Building hoardex (the first time takes about a minute)..."
	@[ -f $(BUILD)/CMakeCache.txt ] || \
	  $(call quietly,cmake -S . -B $(BUILD) $(call generator,$(BUILD)) $(WERROR) $(CMAKE_FLAGS))
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target hoardex)
	@mkdir -p $(PLAY)
	@for f in monster.hxi area.hxi setup.hxi; do \
	  [ -e $(PLAY)/$$f ] || cp data/$$f $(PLAY)/$$f; done
	@cd $(PLAY) && ../$(BUILD)/hoardex

# The browser version's build takes a minute of its own, so its tests carry
# the label web and run in make test-web (CI runs both); where emcc or
# chromium is missing, make test-web fails rather than test nothing.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE '^web$$'

test-web: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L '^web$$' --no-tests=error

sanitize: deps
	@cmake -S . -B $(ASAN) $(call generator,$(ASAN)) $(WERROR) -DHOARDEX_SANITIZE=ON -DHOARDEX_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	@cd $(ASAN) && ctest --output-on-failure -j $(JOBS) -LE '^web$$'

# The benchmark is not part of the default build; it is built here.
bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target hoardex_bench
	@$(BUILD)/bench/hoardex_bench

# make coverage: line and branch coverage of src/ from the unit tests and the
# end-to-end tests (which drive the program built here), in a build of its
# own without optimisation; the format check and the package are left out.
# A run past a file-size limit cannot write its counters (the end-to-end
# tests send those elsewhere); the counters' complaint would land on the
# screen the test reads, so it goes nowhere. A file of src/ of which no line
# ran means counters were lost: scripts/coverage_check names it and fails.
coverage: deps
	@[ -f $(COV)/CMakeCache.txt ] || \
	  $(call quietly,cmake -S . -B $(COV) $(call generator,$(COV)) $(WERROR) -DCMAKE_BUILD_TYPE=Debug \
	    -DHOARDEX_BENCH=OFF -DCMAKE_CXX_FLAGS="--coverage -O0" \
	    -DCMAKE_EXE_LINKER_FLAGS=--coverage)
	@$(call quietly,cmake --build $(COV) -j $(JOBS))
	@find $(COV) -name '*.gcda' -delete
	@cd $(COV) && export GCOV_ERROR_FILE=/dev/null && \
	  $(call quietly,ctest --output-on-failure -j $(JOBS) -LE '^web$$' -E '^(clang_format|make_deb_package|e2e_package_deb)$$') && \
	  printf '%s\n' "$$out" | grep 'tests passed'
	@metric=--branches; \
	  gcovr --help | grep -q -- --txt-metric && metric=--txt-metric=branch; \
	  gcovr --root . --filter src/ --exclude-throw-branches \
	    --exclude-unreachable-branches $$metric --print-summary --txt \
	    --json-summary $(COV)/coverage-summary.json $(COV)
	@scripts/coverage_check $(COV)/coverage-summary.json

# make fuzz: every libFuzzer target in fuzz/ for FUZZ_SECONDS seconds each,
# built with clang and the address and undefined-behaviour sanitizers.
fuzz: deps
	@cmake -S . -B $(FUZZ) $(call generator,$(FUZZ)) $(WERROR) -DCMAKE_CXX_COMPILER=clang++ -DHOARDEX_FUZZ=ON \
	  -DHOARDEX_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target $(FUZZ_TARGETS)
	@scripts/fuzz_run $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# make mutants: each single-line fault of scripts/mutants.list applied in a
# scratch copy, the unit and end-to-end tests run against it (the format and
# layer checks do not count); prints how many were caught.
mutants: deps
	@JOBS=$(JOBS) scripts/mutants

# The builds a distribution may make: Release with g++ and with clang, tests
# built and the unit tests run, and a build without the tests that must not
# look for GoogleTest; each in a folder of its own under $(CHECK).
check-builds: deps
	@JOBS=$(JOBS) scripts/check_builds $(CHECK)

web: deps
	@JOBS=$(JOBS) scripts/web_build $(WEB) $(BUILD)/web-engine

install: build
	@cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

deb: build
	@cd $(BUILD) && cpack -G DEB

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD) $(ASAN) $(FUZZ) $(COV) $(CHECK) $(WEB)
