# Scrivex: `make run` starts the editor, `make test` runs every test. Both install what is
# missing first (as root) and build what changed.
BUILD   := build
HOST    := $(BUILD)/host
WIN     := $(BUILD)/win
ARGS    ?=
SHELL   := /bin/bash

.PHONY: all deps host win test format-check host-test win-test run screenshot bench dist format clean

all: host win

deps:
	@scripts/deps

$(HOST)/build.ninja:
	cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSCRIVEX_SANITIZE=ON >/dev/null

$(WIN)/build.ninja:
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null

host: deps $(HOST)/build.ninja
	cmake --build $(HOST)

win: deps $(WIN)/build.ninja
	cmake --build $(WIN)

host-test: host
	ctest --test-dir $(HOST) --output-on-failure -j2 --timeout 120

# The Windows tests print to the PDF printer, whatever the machine's default printer is (Wine
# takes its default from PRINTER). The installer's test builds the installer with the packaging
# tool, installed like the rest where it can be (the test reports itself skipped without it).
win-test: win
	-@scripts/deps dist
	scripts/with-display bash -c 'scripts/wine-prefix && { scripts/print-server >/dev/null || true; } && \
	  PRINTER=PDF ctest --test-dir $(WIN) --output-on-failure'

test: format-check host-test win-test

run: win
	scripts/wine-run $(WIN)/scrivex.exe $(ARGS)

screenshot: win
	scripts/screenshot $(WIN)/scrivex.exe $(BUILD)/screenshot.png

bench: deps
	@scripts/deps bench
	cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSCRIVEX_BENCH=ON >/dev/null
	cmake --build $(BUILD)/bench
	cmake -S . -B $(BUILD)/win-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSCRIVEX_BENCH=ON \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	cmake --build $(BUILD)/win-bench
	$(MAKE) win && scripts/bench $(CURDIR)/$(BUILD)

# The portable zip and the per-user installer, into build/dist/.
dist: deps
	@scripts/deps dist
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DSCRIVEX_DIST_DIR=$(CURDIR)/$(BUILD)/dist >/dev/null
	cmake --build $(WIN) --target dist
	@ls -l $(BUILD)/dist

SOURCES = $$(git ls-files -co --exclude-standard '*.cpp' '*.h')

format:
	clang-format -i $(SOURCES)

# A file that differs from .clang-format fails the tests; `make format` mends it.
format-check: deps
	@clang-format --dry-run -Werror $(SOURCES) || { echo "Run 'make format'."; exit 1; }

clean:
	rm -rf $(HOST) $(WIN) $(BUILD)/bench $(BUILD)/win-bench $(BUILD)/dist
