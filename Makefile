# Set-up, build, run and test in one command each; see README.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan
# CI turns warnings into errors: make test WERROR=ON (a later configure keeps the setting).
WERROR ?=
CMAKE_OPTIONS = $(if $(WERROR),-DGLOSSAND_WERROR=$(WERROR))
# The tracked C++ sources, as clang-format sees them.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: all deps deps-test configure build run test test-asan format format-check fuzz bench forms-report \
  install package clean

all: build

# What building and running need; the test, fuzzing and benchmark tools come with deps-test.
deps:
	@scripts/install-deps run

deps-test:
	@scripts/install-deps test

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX) \
	  $(CMAKE_OPTIONS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the programs and their companion files, no tests; the windows need a graphical session.
RUN_TARGETS ?= zembrota tessavor quorant help_files
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)
	cd $(BUILD)/bin && ./zembrota

# The end-to-end tests drive real programs on an X server shared with whatever else runs, and
# now and then lose it: they alone get up to three runs, and a real fault fails all three. Every
# other test runs once, so that a flaky one fails.
# Configured again, so that the test tools installed just now are found.
test: deps-test configure
	cmake -S . -B $(BUILD) $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE end-to-end
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L end-to-end --repeat until-pass:3

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# With no session bus, libdbus forks a child to start one, and that child allocates before it
# executes anything. GCC 12's AddressSanitizer allocator is not fork-safe: when another thread holds
# its lock at that moment, the child waits for ever and the program with it. The sanitized runs
# therefore name a bus address that is refused at once (glibc's own allocator is fork-safe, so the
# normal build runs without it).
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/glossand-no-session-bus
test-asan: deps-test
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOSSAND_SANITIZE=ON -DGLOSSAND_BUILD_BENCH=OFF \
	  $(CMAKE_OPTIONS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -LE end-to-end
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -L end-to-end --repeat until-pass:3

# Layout by the project's .clang-format: format rewrites the sources, format-check only reports.
format: deps-test
	clang-format-14 -i $(FORMAT_FILES)

format-check: deps-test
	clang-format-14 --dry-run --Werror $(FORMAT_FILES)

# Each libFuzzer harness for FUZZ_SECONDS (default 60), or for FUZZ_RUNS executions when given;
# FUZZ_JOBS processes of each side by side (default 1).
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 1
fuzz: deps-test
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_RUNS="$(FUZZ_RUNS)" FUZZ_ONLY="$(FUZZ_ONLY)" FUZZ_JOBS=$(FUZZ_JOBS) scripts/fuzz

# Benchmarks: speed and memory figures (not part of the pass/fail suite); Qt Assistant and
# qhelpgenerator are installed for the viewer's comparison only.
bench: deps-test build
	GLOSSAND_EXTRA_PACKAGES="assistant-qt6 qt6-documentation-tools" scripts/install-deps run
	@if [ -x scripts/run-benchmarks ]; then scripts/run-benchmarks $(BUILD); \
	else for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; fi

# Accuracy of the Latin forms against whitakers-words on Latin texts (installs whitakers-words and
# collatinus for the measurement only).
forms-report: configure
	cmake --build $(BUILD) -j $(JOBS) --target zembrota-formen
	GLOSSAND_EXTRA_PACKAGES="whitakers-words collatinus" scripts/install-deps run
	scripts/forms-report $(BUILD)

# Configured again for PREFIX: an installed program knows its folder and writes nothing there.
install: configure
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

# The Debian package: a hardened release build of its own for the prefix /usr, without tests.
PACKAGE_BUILD ?= build-package
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DGLOSSAND_BUILD_TESTS=OFF -DGLOSSAND_BUILD_BENCH=OFF -DCMAKE_STRIP=$(CURDIR)/cmake/strip-package
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD)
