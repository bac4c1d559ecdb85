# Wraps CMake: `make play` and `make test` do everything on a fresh Debian 12 machine.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build play test test-window bench format clean
.PHONY: install uninstall package

all: build

deps:
	@./tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/data && ../corvanel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The real-window, desktop-file and package tests alone.
test-window: build
	cd $(BUILD) && ctest --output-on-failure -L 'window|package'

# Packing rewrites install_manifest.txt, so the list of installed files is kept apart.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed-files.txt

uninstall:
	xargs -d '\n' rm -f -- < $(BUILD)/installed-files.txt

package: build
	cd $(BUILD) && cpack

bench: build
	cd $(BUILD)/data && ../corvanel-sim --bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
