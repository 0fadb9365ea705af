# Two commands: `make play` and `make test`. Each installs the Debian
# packages it needs when they are missing, builds into build/ and then plays
# or runs every test.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = g++ cmake ninja-build pkg-config libsdl2-dev libfreetype-dev libpng-dev xfonts-shinonome \
	libedit-dev zlib1g-dev libx11-dev libxext-dev libxrender-dev libdecor-0-plugin-1-cairo
TEST_PACKAGES = $(BUILD_PACKAGES) libgtest-dev libbenchmark-dev xvfb xdotool x11-apps libsixel-bin x11-utils openbox

.PHONY: play test golden build deps-build deps-test clean

play: deps-build build
	@./tools/play.sh $(BUILD_DIR)/keldary

test: deps-test build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Records the expected transcripts of the end-to-end key scripts again
# (tests/e2e/*.transcript), after a change meant to alter what they print.
golden: build
	./tools/golden.sh $(BUILD_DIR)/keldary

build:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps-build:
	@./tools/install-deps.sh $(BUILD_PACKAGES)

deps-test:
	@./tools/install-deps.sh $(TEST_PACKAGES)

clean:
	rm -rf $(BUILD_DIR)
