# The two commands of the project: `make demo` and `make test`; `make package` builds the Debian package.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build test demo bench package screenshots fuzz format clean

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

# Fuzz targets of the document readers (clang, libFuzzer): FUZZ_SECONDS per target. Not a test.
fuzz:
	@scripts/install-deps --fuzz
	cmake -S tests/fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	tests/fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
