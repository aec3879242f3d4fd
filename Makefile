# Thin wrapper over CMake and CTest. Every target installs what it needs first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure build test run demo package asan fuzz format format-check clean

all: build

# SKIP_BOOTSTRAP=1 skips the package check (a system that is not Debian, set up by hand).
bootstrap:
	@if [ -z "$(SKIP_BOOTSTRAP)" ]; then scripts/bootstrap; fi

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The program for a real cable.
run: build
	@scripts/run-program $(BUILD)

# The program wired to the simulated radio on a pseudo-terminal.
demo: build
	@scripts/run-demo $(BUILD)

# The Debian package (CPack DEB) in $(BUILD)/package/.
package: build
	@cd $(BUILD) && cpack -G DEB -B package

# The non-GUI tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: bootstrap
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTSW_BUILD_GUI=OFF -DTSW_SANITIZE=ON
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Every parser's libFuzzer target, each for FUZZ_SECONDS.
fuzz: bootstrap
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTSW_BUILD_GUI=OFF \
	    -DTSW_BUILD_TESTS=OFF -DTSW_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	@git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format -i

# Fails, naming each place, when a tracked source is not formatted as .clang-format says.
format-check: bootstrap
	@git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
