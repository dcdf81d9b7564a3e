# Set-up, build, run and test in one command each; see README.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/zembrota ]; then \
	  cd $(BUILD)/bin && ./zembrota; \
	else \
	  echo "zembrota is not built yet: the dictionary's windows are still to come."; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
