# Front door: make run, make test. Everything builds with CMake and Ninja.
BUILD ?= build
JOBS ?= $(shell nproc)
# CI (CI=true) holds every build to no warnings; elsewhere they only show.
WERROR ?= $(if $(filter true,$(CI)),ON,OFF)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTA_WERROR=$(WERROR)

.PHONY: all deps configure build run test clang-test asan fuzz reliability-report bench bench-report windows install package screenshots windows-zip clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Opens the console on the simulated board (needs a display; xvfb-run make run works headless).
run: build
	$(BUILD)/src/app/velta-editor --sim

# One display for the whole run; -noreset keeps it up between test programs, so
# that a program starting while the server resets after the last one never
# finds no display.
XVFB = xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"

test: build
	$(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The console's core and its unit tests built by clang in Release (no GUI: the
# wx host is checked by the GCC build, and its tests need a display).
clang-test:
	bash scripts/install-deps
	cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DVELTA_BUILD_GUI=OFF -DVELTA_WERROR=$(WERROR)
	cmake --build build-clang -j $(JOBS)
	ctest --test-dir build-clang --output-on-failure -j $(JOBS)

# Every test, the pytest suite (python_velta) included, against the ASan/UBSan
# build. Reports go to files, so that those of a velta-cli the Python suite
# runs are seen too: any report fails the target.
SANITIZER_LOGS = $(CURDIR)/build-asan/sanitizer-reports
asan:
	bash scripts/install-deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTA_SANITIZE=ON -DVELTA_WERROR=$(WERROR)
	cmake --build build-asan -j $(JOBS)
	rm -rf $(SANITIZER_LOGS) && mkdir -p $(SANITIZER_LOGS)
	ASAN_OPTIONS=detect_leaks=1:log_path=$(SANITIZER_LOGS)/asan LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan-toolkit.supp:print_suppressions=0:log_path=$(SANITIZER_LOGS)/asan UBSAN_OPTIONS=print_stacktrace=1:log_path=$(SANITIZER_LOGS)/ubsan $(XVFB) ctest --test-dir build-asan --output-on-failure -j $(JOBS); \
	status=$$?; reports=$$(grep -lE 'ERROR: |runtime error:' -r $(SANITIZER_LOGS) | wc -l); \
	grep -lE 'ERROR: |runtime error:' -r $(SANITIZER_LOGS) | xargs -r cat; \
	echo "sanitizer reports: $$reports"; \
	test $$status -eq 0 -a $$reports -eq 0

# Each libFuzzer target for FUZZ_SECONDS, clang build in build-fuzz.
FUZZ_SECONDS ?= 60
fuzz:
	bash scripts/install-deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) bash scripts/fuzz

# Measures everything again and writes docs/reliability.md.
reliability-report:
	bash scripts/install-deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) bash scripts/reliability-report

# One table of the console's cost against the device's pacing (Release build in build-bench).
bench:
	bash scripts/install-deps
	JOBS=$(JOBS) bash scripts/bench

# Runs the benchmarks and writes docs/performance.md.
bench-report:
	bash scripts/install-deps
	JOBS=$(JOBS) bash scripts/bench-report

# velta-editor.exe and velta-cli.exe, cross-built with mingw-w64 into dist/.
windows: deps
	bash scripts/windows-build

# Both programs, the desktop entry, icons, man pages and docs under PREFIX.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD)/package/.
package: build
	cd $(BUILD) && cpack

# The user guide's pictures (docs/images/), taken from velta-editor under Xvfb.
screenshots: build
	bash scripts/screenshots $(BUILD)/src/app/velta-editor docs/images

# dist/velta-editor-windows-VERSION.zip: one folder with the make windows programs,
# README, LICENSE, the user guide as HTML with its pictures, and the examples.
windows-zip: windows
	bash scripts/windows-zip

clean:
	rm -rf $(BUILD) build-asan build-clang build-fuzz build-rel
