# make run     installs what is missing, builds and starts the program
# make test    installs what is missing, builds the program and the benchmarks,
#              builds every test under AddressSanitizer and UBSan and runs them
#              all, then each fuzz target for 20 seconds
# make check   builds everything without sanitizers and runs every test
# make fuzz    runs each fuzz target for FUZZ_SECONDS (default 120)
# make package builds the Debian package in $(PACKAGE_DIR) and checks it with
#              lintian and appstreamcli
# make bench   builds and runs the benchmarks
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
PACKAGE_DIR ?= build-package
JOBS ?= 2
FUZZ_SECONDS ?= 120

.PHONY: deps fuzz-deps package-deps configure build program run test check sanitize-build sanitize-check fuzz-build fuzz-check fuzz package bench clean

deps:
	@./scripts/install-deps.sh

# Line tables only (-g1): backtraces keep their file and line, and the build
# takes a third less time than with full debugging information.
configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/src/lingxi-shufang

# The suite runs once, in the sanitizer build, which checks more than the
# normal one: two full builds and runs would not fit in a CI run of a few
# minutes on two cores. The program and the benchmarks are still built as
# `make run` and `make bench` build them, so that what only breaks their
# build (a warning that -O2 finds) fails the test too.
test: program sanitize-check fuzz-check

program: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target lingxi-shufang abacus-bench

check: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/abacus-bench

# --- Sanitizers: the whole suite built with ASan and UBSan -----------------
# -O1 with line tables only keeps this build about as fast as the normal one.
# Any report fails the test that made it, leaks included; tests/lsan.supp lists
# the few leaks of system libraries that are not ours to fix.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

sanitize-build: deps
	cmake -S . -B $(SANITIZE_DIR) -DLINGXI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
	cmake --build $(SANITIZE_DIR) -j$(JOBS)

sanitize-check: sanitize-build
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# --- Fuzzing: libFuzzer targets, a clang project of their own ---------------
# deps first: two package installs at once would fight over the dpkg lock.
fuzz-deps: deps
	@./scripts/install-deps.sh fuzz

fuzz-build: fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j$(JOBS)

fuzz-check: fuzz-build
	./scripts/run-fuzzers.sh $(FUZZ_DIR) 20

fuzz: fuzz-build
	./scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# --- Installation: cmake --install, or the Debian package -------------------
package-deps: deps
	@./scripts/install-deps.sh package

# A build of its own without the tests: CPack builds everything before it packs.
# Then the package is checked as a distribution checks it: any error or warning
# of lintian fails, and so does metainfo that appstreamcli finds invalid (offline:
# the maker's web pages are not needed to check it).
package: package-deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_DIR) -j$(JOBS)
	cd $(PACKAGE_DIR) && rm -f *.deb && cpack -G DEB
	lintian --fail-on error,warning $(PACKAGE_DIR)/*.deb
	appstreamcli validate --no-net packaging/*.metainfo.xml

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)

# make screenshots  refreshes the pictures of the windows in docs/: the
#                   end-to-end test takes them under Xvfb while it checks them
.PHONY: screenshots
screenshots: build
	cd $(BUILD_DIR)/tests/e2e && LINGXI_SCREENSHOT_DIR=$(CURDIR)/docs ./tst_e2e
