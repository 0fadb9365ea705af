# Two commands: `make play` and `make test`. Each installs the Debian
# packages it needs when they are missing, builds into build/ and then plays
# or runs every test.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = g++ cmake ninja-build pkg-config libsdl2-dev libfreetype-dev libpng-dev xfonts-shinonome
TEST_PACKAGES = $(BUILD_PACKAGES) libgtest-dev libbenchmark-dev xvfb xdotool x11-apps

.PHONY: play test build deps-build deps-test clean

play: deps-build build
	@./tools/play.sh $(BUILD_DIR)/keldary

test: deps-test build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps-build:
	@./tools/install-deps.sh $(BUILD_PACKAGES)

deps-test:
	@./tools/install-deps.sh $(TEST_PACKAGES)

clean:
	rm -rf $(BUILD_DIR)
