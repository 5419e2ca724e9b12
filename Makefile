# make run   installs what is missing, builds and starts the program.
# make test  installs, builds and runs every test suite headless, then again
#            in a second build with AddressSanitizer and UndefinedBehaviorSanitizer.
BUILD      ?= build
BUILD_SAN  ?= build-asan
JOBS       ?= $(shell nproc)
PROGRAM    := $(BUILD)/app/vexa-setup
# The build's own sub-makes need not announce every directory.
MAKEFLAGS  += --no-print-directory

.PHONY: all deps build build-asan run test test-normal test-asan bench clean

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DVEXA_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display (DISPLAY is not set); run it on a desktop, or under xvfb-run make run"; exit 1; fi
	@$(PROGRAM)

test-normal: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	@cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench: build
	@for b in $(BUILD)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b"; fi; done

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
