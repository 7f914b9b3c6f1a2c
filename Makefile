# Entry points for players, developers and CI. The builds themselves are CMake presets
# (CMakePresets.json): release in ./build, sanitize in ./build-sanitize.

PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

.PHONY: deps run build test build-sanitize test-sanitize fuzz bench install clean

deps:
	scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS)

run: build
	./build/src/app/ardesino

test: build
	ctest --preset release --parallel $(JOBS)

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize --parallel $(JOBS)

test-sanitize: build-sanitize
	ctest --preset sanitize --parallel $(JOBS)

# The fuzzer of the display-free game, in ./build-fuzz with clang.
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

# Start-up time and memory against a minimal Qt window, and the steady work of a draw and a
# key, in the release build.
bench: build
	bench/run.sh

install: build
	cmake --install build --prefix "$(PREFIX)"

clean:
	rm -rf build build-debug build-clang build-sanitize build-fuzz
