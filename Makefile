# Front door for the README commands: each target installs what is missing,
# builds and then does its one job.
PRESET ?= default
# The build tool runs make itself; keep its output to the build lines.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build

.PHONY: all deps build run test screenshots format clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/bin/tunbox-rpu-klt

test: build
	@ctest --preset $(PRESET)

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/tunbox-screenshots $(BUILD_DIR)/screenshots
	@echo "Screenshots in $(BUILD_DIR)/screenshots/"

format:
	@clang-format -i $$(find src tests tools -name '*.cpp' -o -name '*.h')

clean:
	rm -rf $(BUILD_DIR)
