# make run      - installs what building and running need, builds, compiles the data, starts Mensurio
# make test     - installs what the tests need too, builds with the tests, runs every test through ctest
# make package  - the Debian package build/mensurio_<version>_amd64.deb, checked with lintian
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps package-deps test-deps configure test-configure build test-build run test package clean

all: build

# What each purpose needs, from tools/install-deps.sh: run (build and run),
# package (also build and check the .deb), test (also the tests, fuzzers and
# benchmarks).
deps:
	@./tools/install-deps.sh run
package-deps:
	@./tools/install-deps.sh package
test-deps:
	@./tools/install-deps.sh test

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/mensurio

# The tests (GoogleTest) are built once the build directory is configured
# with MENSURIO_TESTS; a build made by `make run` is configured again.
test-configure: test-deps
	@grep -qs '^MENSURIO_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DMENSURIO_TESTS=ON $(CMAKE_FLAGS)

test-build: test-configure
	cmake --build $(BUILD) -j $(JOBS)

test: test-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The shipped data against the machine's sources of truth as they stand
# today: every world-time place against the system's tzdata for the current
# year (whatever its release), and every checked factor against GNU units.
.PHONY: check-data
check-data: test-build
	cd $(BUILD) && MENSURIO_CHECK_DATA=1 ctest --output-on-failure -j $(JOBS) -R '^(ShippedWorldTime|GnuUnits|Areas/GnuUnitsArea)\.'

# The Debian package, with its desktop entry and metainfo validated and
# lintian's verdict (errors fail).
package: package-deps build
	cd $(BUILD) && cpack -G DEB
	desktop-file-validate resources/mensurio.desktop
	appstreamcli validate --no-net $(BUILD)/furniture/*.metainfo.xml
	lintian --fail-on error $(BUILD)/mensurio_$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt)_amd64.deb
	@ls -l $(BUILD)/mensurio_*_amd64.deb

clean:
	rm -rf $(BUILD)

# Fuzzing: the libFuzzer targets under AddressSanitizer and
# UndefinedBehaviorSanitizer, each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 30
FUZZ_TARGETS = areafile datasource helptext numentry settings tzif
.PHONY: fuzz
fuzz: test-deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DMENSURIO_FUZZ=ON -DMENSURIO_WITH_UI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  corpus=$(CURDIR)/build-fuzz/corpus/$$t; mkdir -p $$corpus; \
	  cp -n fuzz/corpus/$$t/* $$corpus/ 2>/dev/null; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -artifact_prefix=$(CURDIR)/build-fuzz/crash-$$t- $$corpus 2>build-fuzz/fuzz_$$t.log \
	    || { tail -40 build-fuzz/fuzz_$$t.log; exit 1; }; \
	  grep -E "^Done|^#[0-9]+ *DONE" build-fuzz/fuzz_$$t.log | tail -1; \
	done

# The whole test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
.PHONY: sanitize
sanitize: test-deps
	cmake -S . -B build-asan -DMENSURIO_TESTS=ON -DMENSURIO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) -E '^(Install|Package|DataTests)\.'

# Benchmarks (Google Benchmark): loading, converting, searching, formatting,
# and the start-up compared with a minimal Qt window.
BENCHES = mensurio_bench_load mensurio_bench_format mensurio_bench_search mensurio_bench_areachange mensurio_bench_startup mensurio_bench_rates mensurio_bench_worldtime
.PHONY: bench
bench: test-configure
	@for b in $(BENCHES); do \
	  cmake --build $(BUILD) -j $(JOBS) --target $$b >/dev/null || exit 1; \
	  echo "== $$b"; $(BUILD)/$$b --benchmark_min_time=0.2 || exit 1; \
	done

# docs/screenshot.png: the main window after converting 1 mile in "Länge".
.PHONY: screenshot
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/mensurio_screenshot docs/screenshot.png 20 "Meile (engl.)" 1
