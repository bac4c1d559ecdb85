# SPDX-License-Identifier: MIT
# Wraps CMake: `make play` and `make test` do everything on a fresh Debian 12 machine.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
# Where Debian keeps the SDL2-based SDL 1.2 (libsdl1.2-compat), beside the
# classic library.
SDL12_COMPAT_DIR ?= /usr/lib/$(shell gcc -print-multiarch)/sdl12-compat

.PHONY: all deps configure build play test test-window test-compat bench bench-compat screenshots
.PHONY: format clean
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

# The game on the SDL2-based SDL 1.2 alone.
test-compat: build
	cd $(BUILD) && ctest --output-on-failure -L compat

bench: build
	cd $(BUILD)/data && ../corvanel-sim --bench --pilot auto

# The same benchmark on the classic SDL 1.2, then on the SDL2-based
# compatibility library, and the two side by side.
bench-compat: build
	tools/sim/bench-compare $(BUILD) $(SDL12_COMPAT_DIR)

# The README's screenshots, taken by the simulator.
screenshots: build
	tools/sim/readme-screenshots $(BUILD) docs/screenshots

# Hardening: the suite and an autopilot play-through under ASan, LSan and
# UBSan (tools/sanitizers/), and a short libFuzzer run of every fuzz target
# (tools/fuzz/), each in a clang build of its own.
.PHONY: test-sanitize fuzz soak
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20

test-sanitize: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCORVANEL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	./tools/sanitizers/run-suite $(SANITIZE_BUILD) $(JOBS)

# The final boss fight held for an hour of virtual time (a few minutes of
# wall time); its figures are in docs/hardening.md. SOAK_MINUTES shortens
# it, to no less than the 11 minutes the soak needs to judge a run.
SOAK_MINUTES ?= 60
soak: build
	cd $(BUILD)/data && ../corvanel-soak --minutes $(SOAK_MINUTES)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCORVANEL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-targets
	./tools/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The browser build (web/): the same game compiled with Emscripten into a
# folder of static files, served on the loopback address and tested in
# headless Chromium (CTest label web). Its toolchain is installed only here.
WEB_BUILD ?= build-web
WEB_PORT ?= 8640
# Debian's emcc runs its JavaScript tools with node; a node that is not
# Debian's finds Debian's JavaScript packages only through this.
WEB_ENV = NODE_PATH=/usr/share/nodejs
.PHONY: web serve-web test-web bench-web

web: configure
	@./tools/install-deps --web
	@cmake --build $(BUILD) -j $(JOBS) --target assets corvanel-sim
	@$(WEB_ENV) emcmake cmake -S web -B $(WEB_BUILD) \
		-DCORVANEL_DATA_DIR=$(abspath $(BUILD))/data \
		-DCORVANEL_NATIVE_BUILD=$(abspath $(BUILD)) >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

serve-web: web
	node web/serve.mjs --dir $(WEB_BUILD)/site --port $(WEB_PORT)

test-web: web
	cd web && npm ci --no-audit --no-fund --ignore-scripts
	cd $(WEB_BUILD) && ctest --output-on-failure -L web

# The frame work of the autopilot's whole play-through, measured in the page.
bench-web: web
	cd web && npm ci --no-audit --no-fund --ignore-scripts
	node web/test/browser-test.mjs --only bench --site $(WEB_BUILD)/site

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
