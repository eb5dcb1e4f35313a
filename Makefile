# The two commands of the project: `make demo` and `make test`; `make package` builds the Debian package.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test demo bench package screenshots format clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

demo: build
	scripts/demo $(BUILD_DIR)

bench: build
	scripts/run-benchmarks $(BUILD_DIR)

# The Debian package kelvaro_<version>_amd64.deb, into the build folder.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

screenshots: build
	tests/screenshots/take-screenshots $(BUILD_DIR)
	tests/screenshots/take-record-screenshots $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
