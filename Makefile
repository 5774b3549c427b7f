# The two set-up commands of README.md, and a few for developers.
BUILD ?= build
JOBS ?= $(shell nproc)

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# The settings fuzzer writes files all the time; memory-backed storage keeps it quick.
FUZZ_TMPDIR ?= $(if $(wildcard /dev/shm),/dev/shm,/tmp)
FUZZERS = tag_reader settings_file

WIN_BUILD ?= build-win

WEB_BUILD ?= build-web
WEB_PORT ?= 8080
WEB_ADDRESS ?= 127.0.0.1
# Debian's emscripten finds its own JavaScript modules only through this.
WEB_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: play test lint bench deps configure build fuzz install soak memcheck deb web test-web serve-web measure-web \
  windows test-windows

# The game alone: the tests and benchmarks are built by the targets that run them.
play: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target tumbla
	@if [ -x $(BUILD)/src/app/tumbla ]; then $(BUILD)/src/app/tumbla; \
	else echo "The game window is not built yet."; fi

# Then the whole suite again built with the address and undefined-behaviour sanitizers:
# any report of either, or a leak, stops the test it happens in and fails it.
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/hardening/lsan.supp

# The package's test builds the package: Debian's tools come first.
test: deps build
	@scripts/install-deps --deb
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -fno-omit-frame-pointer" -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DTUMBLA_BUILD_BENCHMARKS=OFF
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# clang-format's layout and clang-tidy's checks over the project's own sources; fails on any
# finding. LINT_EXCLUDE=REGEX leaves out the files whose path matches (scripts/lint).
LINT_EXCLUDE ?=
lint: deps configure
	@scripts/install-deps --lint
	scripts/lint --build $(BUILD) --jobs $(JOBS) $(if $(LINT_EXCLUDE),--exclude '$(LINT_EXCLUDE)')

# Every benchmark, as one table.
bench: deps build
	@echo "$$(nproc) x $$(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1)"
	@printf '%-64s %14s %14s %12s\n' Benchmark Time CPU Iterations
	@for b in $(BUILD)/benchmarks/bench_*; do \
	  "$$b" --benchmark_format=csv 2>/dev/null | awk -F, 'NR > 1 { gsub(/"/, "", $$1); \
	    printf "%-64s %11.1f %s %11.1f %s %12s\n", $$1, $$3, $$5, $$4, $$5, $$2 }' || exit 1; \
	done

# The game, its help page, a tumbla command, a desktop entry and icons under PREFIX.
PREFIX ?= $(HOME)/.local
install: deps build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the game, checked by lintian, desktop-file-validate and appstreamcli:
# build-deb/tumbla_VERSION_ARCH.deb, for `sudo apt install ./build-deb/tumbla_*.deb`.
deb: deps
	@scripts/install-deps --deb
	scripts/build-deb build-deb

# The monkey soak test for EVENTS random taps and keys (TUMBLA_SOAK_SEED=... replays a run).
# Its saves go to memory-backed storage as the fuzzers' files do.
EVENTS ?= 1000000
soak: deps build
	TMPDIR=$(FUZZ_TMPDIR) TUMBLA_SOAK_EVENTS=$(EVENTS) $(BUILD)/tests/soak/soak_tests

# The real game on a virtual display, played by a script twice: resident memory turn by
# turn, then valgrind's memcheck, which fails on any invalid access or lost memory.
memcheck: deps build
	@scripts/install-deps --tools
	tools/memcheck.sh $(BUILD)/src/app/tumbla

deps:
	@scripts/install-deps

configure:
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Each fuzzer runs FUZZ_SECONDS from the seeds in tests/fuzz/corpus, keeping what it learns in
# $(FUZZ_BUILD)/corpus; a finding stops the run and is left as $(FUZZ_BUILD)/crash-*.
fuzz:
	@scripts/install-deps --fuzz
	@[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLA_BUILD_TESTS=OFF -DTUMBLA_BUILD_BENCHMARKS=OFF \
	  -DTUMBLA_BUILD_FUZZERS=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZERS))
	@for fuzzer in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$fuzzer || exit 1; \
	  dict=tests/fuzz/$$fuzzer.dict; [ -f $$dict ] && dict=-dict=$$dict || dict=; \
	  log=$(FUZZ_BUILD)/fuzz_$$fuzzer.log; \
	  echo "fuzz_$$fuzzer: $(FUZZ_SECONDS) s, log in $$log"; \
	  TMPDIR=$(FUZZ_TMPDIR) $(FUZZ_BUILD)/tests/fuzz/fuzz_$$fuzzer $$dict -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crash-$$fuzzer- $(FUZZ_BUILD)/corpus/$$fuzzer tests/fuzz/corpus/$$fuzzer \
	    > $$log 2>&1 || { tail -n 40 $$log; exit 1; }; \
	  grep -E '^(Done|stat::number_of_executed_units)' $$log; \
	done

# The game for the browser, in $(WEB_BUILD)/site: the glyph table and the icons are made by
# tools of the native build first, the glyphs with the same font code as the desktop.
web: deps configure
	@scripts/install-deps --web
	cmake --build $(BUILD) -j $(JOBS) --target make_glyph_table make_web_icons
	@[ -f $(WEB_BUILD)/CMakeCache.txt ] || $(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DTUMBLA_NATIVE_TOOLS=$(CURDIR)/$(BUILD)/tools
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

# The game for Windows in $(WIN_BUILD): Tumbla.exe (static, no DLLs), its help page, the zip of both
# and the per-user installer, cross-compiled with mingw-w64; the glyph table by the native build's tool.
windows: deps configure
	@scripts/install-deps --windows
	cmake --build $(BUILD) -j $(JOBS) --target make_glyph_table
	@[ -f $(WIN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DTUMBLA_BUILD_BENCHMARKS=OFF -DTUMBLA_NATIVE_TOOLS=$(CURDIR)/$(BUILD)/tools
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The Windows build under Wine on a virtual display, in a fresh Wine prefix: its screens
# against the desktop's reference images, a game, the settings file, the one-copy lock, the
# close button, the installer; then the rules' and the settings file's tests built for Windows.
test-windows: windows
	tests/windows/test_windows.sh $(WIN_BUILD) tests/goldens

# The browser build played in Debian's chromium, headless, driven by puppeteer-core.
test-web: web
	cd tests/web && npm ci --no-audit --no-fund --silent
	node tests/web/web_test.js $(WEB_BUILD)/site tests/goldens

# The site on http://$(WEB_ADDRESS):$(WEB_PORT)/ until Ctrl-C (WEB_ADDRESS=0.0.0.0: to the network).
serve-web: web
	node tests/web/serve.js $(WEB_BUILD)/site $(WEB_PORT) $(WEB_ADDRESS)

# Size, first frame, GO to new dice and idle processor use of the browser build (figures, not a test).
measure-web: web
	cd tests/web && npm ci --no-audit --no-fund --silent
	node tests/web/measure.js $(WEB_BUILD)/site
