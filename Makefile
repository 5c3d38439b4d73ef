# make run   - install what is missing, build, start the program
# make test  - install what is missing, build, run every test
# make bench - install what is missing, build optimised, run the benchmarks
# make test-sanitize - build the tests with AddressSanitizer and UBSan in build-asan and run them
# make latency - build optimised with the latency probe and measure the program's added lag
# make fuzz    - build the results file reader under libFuzzer in build-fuzz and run it a while
# make install PREFIX=/usr/local - build optimised and install the program, its menu entry and icon
# make package - build optimised and make the .deb (build-release/tavulin_<version>_<arch>.deb)
# make package-check - make the .deb and check it with lintian
# make translations - add the texts new in the code to translations/tavulin_en.ts

PACKAGES := g++ make cmake ninja-build pkg-config qt6-base-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation \
            qt6-svg-dev xvfb xauth xdotool x11-apps libxcb1-dev libxcb-present-dev libqt6sql6-sqlite libsqlite3-dev \
            postgresql libqt6sql6-psql poppler-utils \
            python3 clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file \
            qt6-l10n-tools qt6-tools-dev
# Only the latency probe needs these: the X client library with its XTest and DAMAGE extensions.
LATENCY_PACKAGES := libx11-dev libxtst-dev libxdamage-dev
BUILD    := build
BENCH    := build-bench
ASAN     := build-asan
LATENCY  := build-latency
FUZZ     := build-fuzz
# How long make fuzz runs the fuzzer, in seconds (make fuzz FUZZ_SECONDS=600).
FUZZ_SECONDS ?= 60
RELEASE  := build-release
PREFIX   ?= /usr/local
# The probe picks a free X display unless one is named (make latency LATENCY_DISPLAY=14).
LATENCY_DISPLAY ?=
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
# A compiler cache, where the machine has one, shares objects between checkouts of the tree.
CCACHE   := $(shell command -v ccache 2>/dev/null)
CMAKE_LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: all deps build run test test-sanitize bench latency fuzz release install package package-check clean translations

all: build

# Installs only what dpkg does not already have; as root directly, otherwise through sudo.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; else SUDO=sudo; fi; \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(CMAKE_LAUNCHER)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/tavulin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Leaks inside Qt that the suite cannot free are listed, each with its reason, in the
# suppressions file; everything else stops the run.
test-sanitize: deps
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(CMAKE_LAUNCHER) -DTAVULIN_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) -DTAVULIN_TESTS=OFF -DTAVULIN_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS)
	@for b in $(BENCH)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# Adds the texts the code marks and the English translation lacks (as unfinished) to it.
translations:
	/usr/lib/qt6/bin/lupdate -no-obsolete -locations none -source-language sr -target-language en \
	  app store data -ts translations/tavulin_en.ts

latency: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(LATENCY_PACKAGES)"
	cmake -S . -B $(LATENCY) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) -DTAVULIN_TESTS=OFF -DTAVULIN_PROBE=ON
	cmake --build $(LATENCY) -j $(JOBS)
	./$(LATENCY)/probe/latency_probe --program ./$(LATENCY)/app/tavulin $(if $(LATENCY_DISPLAY),--display $(LATENCY_DISPLAY))

# New inputs the fuzzer finds go to build-fuzz/corpus, a failing one to build-fuzz/crash-*; the
# seeds in tests/data/csv-corpus are only read. A failure stops the run and is then kept as a
# named case of tests/data/ResultsCsvTest.cpp.
fuzz: deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  $(CMAKE_LAUNCHER) -DTAVULIN_TESTS=OFF -DTAVULIN_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS) --target results_csv_fuzz
	mkdir -p $(FUZZ)/corpus
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(FUZZ)/tests/fuzz/results_csv_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -max_len=4096 -artifact_prefix=$(FUZZ)/ $(FUZZ)/corpus tests/data/csv-corpus

# Installing and packaging take an optimised build of the program alone.
$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_LAUNCHER) -DTAVULIN_TESTS=OFF

release: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS)

install: release
	cmake --install $(RELEASE) --prefix $(PREFIX) --strip

package: release
	cd $(RELEASE) && cpack

# lintian is needed only here, so only this target brings it.
package-check: package
	@$(MAKE) --no-print-directory deps PACKAGES=lintian
	lintian --fail-on error $(RELEASE)/tavulin_*.deb

clean:
	rm -rf $(BUILD) $(BENCH) $(ASAN) $(LATENCY) $(FUZZ) $(RELEASE)
