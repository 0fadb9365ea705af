# Two commands: `make play` and `make test`. Each installs the Debian
# packages it needs when they are missing, builds into build/ and then plays
# or runs every test. `make play` builds the game alone; `make test` turns on
# the tests and benchmarks (CMake options KELDARY_TESTS, KELDARY_BENCH).
# Also: `make install [PREFIX=/usr/local] [DESTDIR=]` and `make deb`.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
DESTDIR ?=

# What playing needs (building included), and what the tests need on top.
BUILD_PACKAGES = g++ cmake ninja-build pkg-config python3 libsdl2-dev libfreetype-dev libpng-dev xfonts-shinonome \
	libedit-dev zlib1g-dev libx11-dev libxext-dev libxrender-dev libdecor-0-plugin-1-cairo
TEST_PACKAGES = $(BUILD_PACKAGES) libgtest-dev libbenchmark-dev xvfb xdotool x11-apps libsixel-bin x11-utils openbox \
	desktop-file-utils appstream man-db lintian dpkg-dev file mount \
	emscripten chromium
# make deb: dpkg-shlibdeps (dpkg-dev) and file name the package's libraries.
DEB_PACKAGES = $(BUILD_PACKAGES) dpkg-dev file

# The browser build: Debian's Emscripten (with its Node), and the native
# tools that bake the fonts at build time.
WEB_DIR ?= build-web
WEB_PACKAGES = g++ cmake ninja-build pkg-config python3 libfreetype-dev xfonts-shinonome emscripten

CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: play game test golden build build-asan fuzz install deb web deps-build deps-test deps-deb deps-web print-build-packages clean

play: deps-build
	@$(MAKE) --no-print-directory game
	@./tools/play.sh $(BUILD_DIR)/keldary

# The game alone: tests and benchmarks stay as the build directory has them
# (off unless make test turned them on) and are not built.
game:
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) --target keldary -j$(JOBS)

test: deps-test
	$(CONFIGURE) -DKELDARY_TESTS=ON -DKELDARY_BENCH=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)
	@$(MAKE) --no-print-directory web
	@$(MAKE) --no-print-directory build-asan
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS)

# Records the expected transcripts of the end-to-end key scripts again
# (tests/e2e/*.transcript), after a change meant to alter what they print.
golden: game
	./tools/golden.sh $(BUILD_DIR)/keldary

# Everything the build directory is set up for: the game, its icons, man
# page and metainfo (and the tests when they are on).
build:
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

install: deps-build
	@$(MAKE) --no-print-directory build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deb: deps-deb
	@$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/keldary_*_*.deb

# The game in a web page: $(WEB_DIR)/site/ (index.html, keldary.js, keldary.wasm).
web: deps-web
	./tools/build-web.sh $(WEB_DIR) $(JOBS)

# The whole suite again with AddressSanitizer and UBSan, and the fuzz targets.
build-asan:
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELDARY_SANITIZE=ON -DKELDARY_TESTS=ON -DKELDARY_BENCH=OFF
	cmake --build $(ASAN_DIR) -j$(JOBS)

# One fuzz target for as long as asked, keeping what it finds in
# $(ASAN_DIR)/fuzz/corpus-T:  make fuzz T=save_file SECONDS=3600
FUZZ_TARGETS = key_script terminal_line save_file ini_file xpm romaji
SECONDS ?= 60
ifneq ($(filter fuzz,$(MAKECMDGOALS)),)
ifeq ($(filter $(T),$(FUZZ_TARGETS)),)
$(error Usage: make fuzz T=<one of: $(FUZZ_TARGETS)> [SECONDS=n])
endif
endif
fuzz: deps-test build-asan
	$(ASAN_DIR)/fuzz/run_$(T).sh --seconds $(SECONDS) --out $(ASAN_DIR)/fuzz/corpus-$(T) --crashes $(ASAN_DIR)/fuzz

deps-build:
	@./tools/install-deps.sh $(BUILD_PACKAGES)

deps-test:
	@./tools/install-deps.sh $(TEST_PACKAGES)

deps-deb:
	@./tools/install-deps.sh $(DEB_PACKAGES)

print-build-packages:
	@echo $(BUILD_PACKAGES)

deps-web:
	@./tools/install-deps.sh $(WEB_PACKAGES)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(WEB_DIR)
