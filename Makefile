# Skyloom: `make run` builds and starts the simulator, `make test` builds and runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
DEB_BUILD  ?= build-deb
ANALYZE_BUILD ?= build-analyze
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
SCREENSHOT ?= $(abspath $(BUILD))/screenshot.png

# WERROR=ON makes compiler warnings errors (CI sets it).
WERROR     ?= OFF
CMAKE_COMMON = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYLOOM_WERROR=$(WERROR)

PREFIX     ?= /usr/local

.PHONY: all bootstrap configure build run test install deb asan tsan analyze bench fuzz clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja: | bootstrap
	cmake -S . -B $(BUILD) $(CMAKE_COMMON)

configure: bootstrap $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# With a display the simulator opens normally; without one it runs under Xvfb
# for a few seconds and writes a screenshot.
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/skyloom $(ARGS); \
	else \
	  xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/bin/skyloom --screenshot $(SCREENSHOT) --quit-after 5000 $(ARGS) \
	  && echo "No display: ran under Xvfb; screenshot written to $(SCREENSHOT)"; \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Installs the programs, libraries, content and desktop files under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package skyloom_<version>_<arch>.deb, written to this folder: what install
# installs, under /usr and stripped, from a build of its own without the tests
# (cmake/Package.cmake).
deb: bootstrap
	cmake -S . -B $(DEB_BUILD) $(CMAKE_COMMON) -DSKYLOOM_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(DEB_BUILD) -j $(JOBS)
	rm -f $(DEB_BUILD)/skyloom_*.deb
	cd $(DEB_BUILD) && cpack -G DEB
	cp $(DEB_BUILD)/skyloom_*.deb .

asan: bootstrap
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKYLOOM_SANITIZE=address,undefined -DSKYLOOM_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

tsan: bootstrap
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKYLOOM_TSAN=ON -DSKYLOOM_WERROR=$(WERROR)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target documents_tests imagesource_core_tests ptolemy_model_tests demo_stress_tests
	ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS)

# Clang's thread-safety analysis of the lock annotations (ThreadSafety.h) over every
# library of the engine and both shared libraries; a wrong access to a guarded member
# fails the build, and so does code that clang does not compile (the fuzz build and a
# user's clang build need it). Compiles without optimisation or debug information: only
# the diagnostics count.
ANALYZED_LIBRARIES = skyloom_shell gazerix tesslet
analyze:
	@scripts/bootstrap --analyze
	CC=clang CXX=clang++ cmake -S . -B $(ANALYZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= \
	  -DSKYLOOM_THREAD_SAFETY=ON -DSKYLOOM_WERROR=ON
	cmake --build $(ANALYZE_BUILD) -j $(JOBS) --target $(ANALYZED_LIBRARIES)
	scripts/run-tidy $(ANALYZE_BUILD)

bench: bootstrap
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKYLOOM_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for program in $(BENCH_BUILD)/bin/bench_*; do \
	  [ -x "$$program" ] && QT_QPA_PLATFORM=offscreen "$$program"; \
	done; true

# The libFuzzer targets (clang, with address and undefined): each runs FUZZ_SECONDS on a
# fresh copy of its corpus in fuzz/corpus; the end prints executions per second and in all.
fuzz:
	@scripts/bootstrap --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g" -DSKYLOOM_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target skyloom_fuzzers
	fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(ANALYZE_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
