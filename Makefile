# The two commands a new machine needs: `make run` and `make test`.
# Both install what is missing first (scripts/install-deps.sh).

PRESET ?= default
BUILD_DIR := build
FUZZ_SECONDS ?= 20

.PHONY: all deps build test run bench fuzz tsan wine-test libcxx-check asan tidy install package package-check screenshots translations format format-check clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET)

run: build
	@scripts/run.sh

bench: build
	@scripts/bench.sh

fuzz: build
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz.sh $(FUZZ_SECONDS)

tsan: deps
	@cmake --preset tsan >/dev/null
	@cmake --build --preset tsan --target link_tests
	@ctest --preset tsan

# The core's tests (GoogleTest: files, data, link, report, kav-convert) with
# AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/.
asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# The Qt-free core cross-built for Windows, its tests run as Windows programs
# under Wine, in a Wine prefix of their own in build-mingw/.
wine-test: deps
	@cmake --preset mingw >/dev/null
	@cmake --build --preset mingw
	@scripts/wine-prefix.sh build-mingw/wine
	@ctest --preset mingw

# The Qt-free core (files, data, link, workbook) and its tests built with
# clang on libc++, the standard library of macOS, and with AddressSanitizer
# and UndefinedBehaviorSanitizer, and run, in build-libcxx/ (CI's sanitizer
# run: Qt, built on libstdc++, cannot join it; `make asan` covers its parts).
libcxx-check: deps
	@cmake --preset libcxx >/dev/null
	@cmake --build --preset libcxx
	@ctest --preset libcxx

# clang-tidy with the checks of .clang-tidy over the sources and tests.
tidy: build
	@scripts/tidy.sh

install: build
	@scripts/install.sh

package: build
	@cpack --config $(BUILD_DIR)/CPackConfig.cmake -B $(BUILD_DIR)

package-check: package
	@scripts/check-package.sh $(BUILD_DIR)

screenshots: build
	@scripts/screenshots.sh

# Brings translations/*.ts up to date with the texts in the sources (lupdate);
# new texts come in unfinished until someone translates them.
translations: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target kav_lupdate

# Every C++ file in the repository, formatted by the repository's .clang-format.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build build-debug build-fuzz build-tsan build-asan build-mingw build-libcxx
