# Front door. `make run` plays the game, `make test` runs every test headless.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
# CI builds with WERROR=ON: any compiler warning fails the build.
WERROR     ?= OFF

.PHONY: run test check install deps build asan fuzz fuzz-build bench simulate soak stress memcheck layers clean

run: build
	cd $(BUILD)/game && ../vornell

# The whole-game runs (label e2e) run once, in the sanitizer build; the whole
# quest (label quest) is too long for it and runs in the normal build.
# The Debian package is built first: its test (label deb) installs it.
test: layers build asan fuzz-build deb
	cd $(BUILD) && VORNELL_DEB_DIR=$(abspath $(DEB_BUILD)) ctest --output-on-failure -j$(JOBS) -LE e2e
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -L 'unit|e2e'
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j$(JOBS) -L fuzz-smoke

# The quick loop while editing: the unit tests of the normal build, without
# the whole-program runs and the content checks.
check: build
	cd $(BUILD) && ctest -j$(JOBS) -L unit --output-on-failure

# Installs into PREFIX (default /usr/local) as desktop applications are.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, built from clean with dpkg-buildpackage and debhelper
# (debian/): vornell_*.deb, its -dbgsym package, .buildinfo and .changes land
# in DEB_BUILD. Install it with `sudo apt install ./build-deb/vornell_*.deb`.
DEB_BUILD ?= build-deb
deb: deps
	scripts/build-deb $(DEB_BUILD) $(JOBS)

deps:
	@scripts/install-deps

# Each folder includes only from the layers below it (docs/ARCHITECTURE.md).
layers: deps
	@scripts/layers check

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNELL_WARNINGS_AS_ERRORS=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORNELL_SANITIZE=ON -DVORNELL_WARNINGS_AS_ERRORS=$(WERROR) \
	      -DVORNELL_TOOLS=OFF -DVORNELL_BENCH=OFF \
	      -DVORNELL_CONTENT_DIR=$(abspath $(BUILD))/game >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)

# Optimised and with line tables only, as fuzzers are usually built: quicker
# to compile, and a finding's stack still names files and lines.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
	      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
	      -DVORNELL_FUZZ=ON -DVORNELL_WARNINGS_AS_ERRORS=$(WERROR) -DVORNELL_TOOLS=OFF -DVORNELL_BENCH=OFF -DVORNELL_TESTS=OFF >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

# Each fuzz target for a bounded time (FUZZ_SECONDS each) over its corpus;
# prints the executions of each and their total.
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	cd $(BUILD) && for b in bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# Long random play in the sanitizer build: SOAK_MINUTES of game time (a
# two-minute version runs in `make test`), replayable with SOAK_SEED.
SOAK_MINUTES ?= 30
SOAK_SEED    ?= $(shell date +%s)
soak: build asan
	cd $(ASAN_BUILD) && SOAK_MINUTES=$(SOAK_MINUTES) SOAK_SEED=$(SOAK_SEED) \
	  VORNELL_TEST_CONTENT_DIR=$(abspath $(BUILD))/game \
	  tests/e2e/tests_e2e_soak --gtest_filter='SoakRun.RandomPlay*'

# The stress scenarios (tests/stress) played STRESS_RUNS times in the
# sanitizer build while busy loops load both cores, each run with its own
# seed; STRESS_SCENARIOS picks some by a shell pattern (a short version runs
# in `make test`).
STRESS_RUNS      ?= 40
STRESS_SCENARIOS ?= *
stress: build asan
	scripts/stress $(ASAN_BUILD)/vornell $(BUILD)/game $(STRESS_RUNS) '$(STRESS_SCENARIOS)'

# The same scenarios once each under valgrind's memcheck, in the normal
# build: the libraries' threads are watched too, with nothing rebuilt.
memcheck: build
	scripts/memcheck $(BUILD)/vornell $(BUILD)/game '$(STRESS_SCENARIOS)'

# The quest's difficulty curve: every board level played SIM_SEEDS times by
# the simulated player; rewrites tools/simplayer/report.md and winrate.png.
SIM_SEEDS ?= 24
simulate: build
	cd $(BUILD)/game && ../simplayer --seeds $(SIM_SEEDS) \
	  --report $(CURDIR)/tools/simplayer/report.md --plot $(CURDIR)/tools/simplayer/winrate.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
