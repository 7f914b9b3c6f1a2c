# SPDX-License-Identifier: GPL-3.0-or-later
# Entry points for players, developers and CI. The builds themselves are CMake presets
# (CMakePresets.json): release in ./build, sanitize in ./build-sanitize.

PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

# What playing needs built, and what installing needs: the game and its menu icons.
GAME_TARGET = ardesino
INSTALLED_TARGETS = $(GAME_TARGET) application_icon

.PHONY: deps deps-play deps-test game run build test build-sanitize test-sanitize fuzz bench \
	install uninstall clean

# The Debian packages, by use: building and playing; the tests; all of them (with fuzzing
# and benchmarks).
deps-play:
	scripts/install-deps.sh play

deps-test:
	scripts/install-deps.sh play test

deps:
	scripts/install-deps.sh

game: deps-play
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS) --target $(GAME_TARGET)

run: game
	./build/src/app/ardesino

build: deps-test
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS)

test: build
	ctest --preset release --parallel $(JOBS)

build-sanitize: deps-test
	cmake --preset sanitize
	cmake --build --preset sanitize --parallel $(JOBS)

test-sanitize: build-sanitize
	ctest --preset sanitize --parallel $(JOBS)

# The fuzzer of the display-free game, in ./build-fuzz with clang.
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

# Start-up time and memory against a minimal Qt window, and the steady work of a draw and a
# key, in the release build (bench/run.sh builds what it measures).
bench: deps
	bench/run.sh

# A PREFIX of ~/... works from shells that leave the tilde as it is (dash, for one).
install: deps-play
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS) --target $(INSTALLED_TARGETS)
	prefix="$(PREFIX)"; case "$$prefix" in "~/"*) prefix="$$HOME/$${prefix#??}" ;; esac; \
	cmake --install build --prefix "$$prefix"

# Removes what the last installation from ./build put in place, and the folders it made.
uninstall:
	scripts/uninstall.sh build/install_manifest.txt build/install_folders.txt

clean:
	rm -rf build build-debug build-clang build-sanitize build-fuzz
