# Front door for the README commands: each target installs what is missing,
# builds and then does its one job. PRESET chooses the build (default, ci, asan,
# release); each has its own folder, and run, screenshots and test use the
# binaries of the preset they built.
PRESET ?= default
JOBS ?= $(shell nproc)
# Firmware version (and fault options) of the unit make run-simulated simulates.
VERSION ?= 104
BUILD_DIR := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
# The build tool runs make itself; keep its output to the build lines.
MAKEFLAGS += --no-print-directory
FORMATTED := $(shell find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null)

# Where make install puts the program (see packaging/CMakeLists.txt for the layout).
PREFIX ?= /usr/local

.PHONY: all deps build run run-simulated test screenshots translations install format format-check clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/bin/tunbox-rpu-klt

# The program against a unit simulated in memory, for trying it without hardware.
run-simulated: build
	TUNBOX_SIMULATED_UNIT=$(VERSION) $(BUILD_DIR)/bin/tunbox-rpu-klt

test: build
	@ctest --preset $(PRESET)

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/tunbox-screenshots $(BUILD_DIR)/screenshots
	@echo "Screenshots in $(BUILD_DIR)/screenshots/"

# Brings the translation sources up to the code: new and changed window texts
# and catalogue messages come out unfinished; the translation tests fail until
# each has its translation.
translations: build
	@cmake --build --preset $(PRESET) --target update_translations

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

format: deps
	@clang-format -i $(FORMATTED)

# Fails, naming each file, when a source file is not formatted as .clang-format says.
format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED)

clean:
	rm -rf build build-*

# Benchmarks in an optimised build of their own; fuzzing with clang under ASan and
# UBSan in another, each target running FUZZ_SECONDS (make fuzz FUZZ_SECONDS=600).
BENCH_DIR := build-bench
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 30

.PHONY: bench fuzz

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_DIR) --target tunbox-bench --parallel $(JOBS)
	$(BENCH_DIR)/bin/tunbox-bench

fuzz: deps
	@fuzz/install-deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUNBOX_SANITIZE=ON -DTUNBOX_FUZZ=ON -DTUNBOX_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) --target tunbox-fuzz --parallel $(JOBS)
	@fuzz/run $(FUZZ_DIR) $(FUZZ_SECONDS)
