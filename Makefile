# The two set-up commands of README.md, and a few for developers.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: play test bench deps configure build

play: deps build
	@if [ -x $(BUILD)/src/app/tumbla ]; then $(BUILD)/src/app/tumbla; \
	else echo "The game window is not built yet."; fi

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps build
	@for b in $(BUILD)/benchmarks/bench_*; do [ -x "$$b" ] && "$$b"; done; true

deps:
	@scripts/install-deps

configure:
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)
