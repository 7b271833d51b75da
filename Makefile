# One-line entry points; see the README.
#   make run    install dependencies, build, and start Iconsmith (or, without a display, run the
#               command-line tool on the bundled sample into ./out)
#   make test   install dependencies, build, and run the whole test suite
#   make package  build the Debian package build/package/iconsmith_<version>_<arch>.deb
PRESET ?= $(if $(CI),ci,default)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BIN := build/$(PRESET)/bin

.PHONY: all deps configure build run test test-asan test-tsan package fuzz fuzz-ci format format-check layout-check tidy tidy-changed bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BIN)/iconsmith resources/sample.png; \
	else \
		echo "No display: running the command-line tool on resources/sample.png into ./out"; \
		$(BIN)/iconsmith-cli resources/sample.png -o out; \
	fi

test: build
	ctest --preset $(PRESET) -j $(JOBS)

test-asan:
	$(MAKE) test PRESET=asan

# The tests of the threaded layers under ThreadSanitizer (the tsan test preset says which).
test-tsan:
	$(MAKE) test PRESET=tsan

# A release build without tests, installed under /usr into a .deb by CPack.
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	@ls build/package/*.deb

# The libFuzzer targets (tests/fuzz), built with clang under ASan and UBSan. FUZZ_SECONDS is the
# whole run's time, shared equally among the targets (at least 15 s each): fuzz-ci spends about
# 200 s however many targets there are. For a long hunt: make fuzz FUZZ_SECONDS=14400
FUZZ_SECONDS ?= 200
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	tests/fuzz/run $(FUZZ_SECONDS)

fuzz-ci:
	$(MAKE) fuzz FUZZ_SECONDS=200

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Layers include only downwards, no two units include each other, no source file passes 450 lines.
layout-check:
	scripts/check-layout src

bench:
	bench/compare

clean:
	rm -rf build out

tidy: build
	git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 4 clang-tidy -p build/$(PRESET) --quiet --warnings-as-errors='*'

# What CI runs: clang-tidy over the units changed since .ci/tidy-base, a commit whose every unit
# `make tidy` found clean, and the units of the headers changed since (a class's header is
# checked through its own unit). Move the base on after a clean `make tidy`.
tidy-changed: build
	scripts/changed-units "$$(cat .ci/tidy-base)" | xargs -r -P $(JOBS) -n 4 clang-tidy -p build/$(PRESET) --quiet --warnings-as-errors='*'
