# Set-up, build, run and test in one command each; see README.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan

.PHONY: all deps configure build run test test-asan fuzz bench install package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/zembrota ]; then \
	  cd $(BUILD)/bin && ./zembrota; \
	else \
	  echo "zembrota is not built yet: the dictionary's windows are still to come."; \
	fi

# The end-to-end tests drive real programs on an X server shared with whatever else runs, and
# now and then lose it; a test gets up to three runs, and a real fault fails all three.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:3

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOSSAND_SANITIZE=ON -DGLOSSAND_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) --repeat until-pass:3

# Each libFuzzer harness for FUZZ_SECONDS (default 60).
FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_ONLY="$(FUZZ_ONLY)" scripts/fuzz

# Benchmarks: speed and memory figures (not part of the pass/fail suite).
bench: build
	@if [ -x scripts/run-benchmarks ]; then scripts/run-benchmarks $(BUILD); \
	else for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; fi

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
