# The front door: `make test` runs every test, `make run` starts the calculator.
SHELL := /bin/bash
PACKAGES := cmake g++ make pkgconf libgtest-dev libgmock-dev \
  libgtk-3-dev libxtst-dev fonts-liberation2 \
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xdotool imagemagick x11-utils \
  libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1 \
  dpkg-dev debhelper lintian desktop-file-utils zip unzip
# The second line builds the Linux program on GTK 3 and drives it with the X test
# extension (the dialog's font has the metrics of the Windows one); the third builds the
# Windows program and runs it under Wine on a virtual X display; the fourth holds the X
# extensions Wine's display driver uses when present; the last makes and checks the
# packages.
JOBS ?= 2

.PHONY: test run run-windows deps build build-sanitize build-win32 package clean

test: deps build build-sanitize build-win32
	cd build && ctest --output-on-failure -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j$(JOBS)
	cd build-win32 && ctest --output-on-failure
	packaging/make_packages.sh build-package
	tests/packaging/check_packages.sh build-package build-win32/vidomat.exe

# The packages a user installs, into build-package/: vidomat_<version>_amd64.deb (the GTK
# program and vidomat-calc) and vidomat-<version>-win64.zip (vidomat.exe).
package: deps build-win32
	packaging/make_packages.sh build-package

# Installs what the build needs when something is missing (Debian, as root).
deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get update && apt-get install -y --no-install-recommends $$missing; \
	fi

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build -j$(JOBS)

build-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVIDOMAT_SANITIZE=ON >/dev/null
	cmake --build build-sanitize -j$(JOBS)

# vidomat.exe, cross-built with MinGW-w64 and linked statically.
build-win32:
	cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-win32 -j$(JOBS)

# Builds vidomat, the calculator on GTK, and starts it on your X display; it keeps
# Vidomat.ini in $XDG_CONFIG_HOME/vidomat (~/.config/vidomat).
RUN_PACKAGES := cmake g++ make pkgconf libgtest-dev libgmock-dev libgtk-3-dev libxtst-dev \
  fonts-liberation2
run:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: no X display (DISPLAY is not set). vidomat shows its window on an X" \
	    "display: run it from a desktop session or with X forwarding (ssh -X)." >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory PACKAGES="$(RUN_PACKAGES)" deps
	cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-run -j$(JOBS) --target vidomat
	build-run/vidomat

# Builds vidomat.exe and starts it under Wine on your X display; it keeps Vidomat.ini in
# build-win32/run/work.
run-windows:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run-windows: no X display (DISPLAY is not set). vidomat.exe runs under" \
	    "Wine, which shows its windows on an X display: run it from a desktop session or" \
	    "with X forwarding (ssh -X)." >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory deps build-win32
	tools/run_under_wine.sh build-win32/vidomat.exe build-win32/run

# Random differential between the front ends: COUNT random scenario scripts from seed SEED
# on, played by the in-memory driver and by each real front end whose driver is built,
# compared snapshot for snapshot; every difference is printed with its script.
COUNT ?= 100
SEED ?= 1
FIDELITY_WORK ?= build/fidelity
FIDELITY_FRONT_ENDS := wine=build-win32/vidomat-script.exe gtk=build/vidomat-script-gtk
.PHONY: fidelity

fidelity: deps build build-win32
	tests/fidelity/fidelity.sh build/vidomat-random-script build/vidomat-script \
	  build-win32/host-tools/snapshot_diff $(FIDELITY_WORK) $(SEED) $(COUNT) $(FIDELITY_FRONT_ENDS)

# Fuzzing: every target in fuzz/ built with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), each run for FUZZ_SECONDS from its seed corpus
# into a scratch corpus under FUZZ_WORK; crash inputs land in FUZZ_WORK/<target>/.
FUZZ_TARGETS := readers settings actions calc
FUZZ_SECONDS ?= 60
FUZZ_WORK ?= /tmp/vidomat-fuzz
FUZZ_PACKAGES := cmake make clang libclang-rt-14-dev libgtest-dev libgmock-dev
FUZZ_OPTIONS_settings := -max_len=1000
FUZZ_OPTIONS_actions := -max_len=2048
FUZZ_OPTIONS_calc := -max_len=512
.PHONY: fuzz build-fuzz $(FUZZ_TARGETS:%=fuzz-%)

fuzz: $(FUZZ_TARGETS:%=fuzz-%)

$(FUZZ_TARGETS:%=fuzz-%): fuzz-%: build-fuzz
	mkdir -p $(FUZZ_WORK)/$*/corpus
	build-fuzz/fuzz/$*_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  $(FUZZ_OPTIONS_$*) -artifact_prefix=$(FUZZ_WORK)/$*/ $(FUZZ_WORK)/$*/corpus fuzz/corpus/$*

build-fuzz:
	@$(MAKE) --no-print-directory PACKAGES="$(FUZZ_PACKAGES)" deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVIDOMAT_LIBFUZZER=ON -DVIDOMAT_GTK=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
	  >/dev/null
	cmake --build build-fuzz -j$(JOBS) --target $(FUZZ_TARGETS:%=%_fuzz)

# Benchmarks: the live path on the in-memory dialog, Release (-O2), Google Benchmark.
BENCH_PACKAGES := cmake g++ make libbenchmark-dev libgtest-dev libgmock-dev
.PHONY: bench build-bench

bench: build-bench
	build-bench/bench/vidomat_bench

build-bench:
	@$(MAKE) --no-print-directory PACKAGES="$(BENCH_PACKAGES)" deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	  -DVIDOMAT_BENCH=ON -DVIDOMAT_GTK=OFF >/dev/null
	cmake --build build-bench -j$(JOBS) --target vidomat_bench

clean:
	rm -rf build build-sanitize build-win32 build-package build-run build-fuzz build-bench
