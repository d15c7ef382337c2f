# The front door: `make test` runs every test, `make run` starts the calculator.
SHELL := /bin/bash
PACKAGES := cmake g++ make libgtest-dev libgmock-dev \
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xdotool imagemagick x11-utils \
  libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1
# The second line builds the Windows program and runs it under Wine on a virtual X
# display; the third holds the X extensions Wine's display driver uses when present.
JOBS ?= 2

.PHONY: test run deps build build-sanitize build-win32 clean

test: deps build build-sanitize build-win32
	cd build && ctest --output-on-failure -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j$(JOBS)
	cd build-win32 && ctest --output-on-failure

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

run:
	@echo "vidomat: no front end exists yet; 'make test' runs the calculator's tests." >&2; exit 1

clean:
	rm -rf build build-sanitize build-win32
