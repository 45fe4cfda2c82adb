# The README's commands. Each installs what it needs first.
.PHONY: test run bench fuzz fuzz-coverage install-test deps build-debug build-release package package-check format lint clean

deps:
	@bash scripts/install-deps.sh

build-debug: deps
	cmake --preset debug
	cmake --build --preset debug

build-release: deps
	cmake --preset release
	cmake --build --preset release

test: build-debug
	ctest --preset debug

run: build-release
	@bash scripts/run.sh build/release/bin

# The Debian package in build/package/packages, with screenshots of the window for the
# software-centre metadata in build/package/screenshots.
package: deps
	cmake --preset package
	cmake --build --preset package
	@bash scripts/screenshots.sh build/package/bin build/package/screenshots
	cd build/package && cpack
	@ls build/package/packages/*.deb

# The package installed into a scratch root and checked there (lintian, validators, demo).
package-check: package
	@bash scripts/package-check.sh build/package/packages/quotella_*.deb

bench: build-release
	@bash scripts/bench.sh build/release/bin

# Each fuzz target for FUZZ_SECONDS seconds (default 60): make fuzz FUZZ_SECONDS=600
# A repeatable run: make fuzz FUZZ_SEED=1 FUZZ_RUNS=20000 (see scripts/fuzz.sh).
FUZZ_SECONDS ?= 60
FUZZ_SEED ?= 0
FUZZ_RUNS ?= -1
fuzz: deps
	@FUZZ_SEED=$(FUZZ_SEED) FUZZ_RUNS=$(FUZZ_RUNS) bash scripts/fuzz.sh $(FUZZ_SECONDS)

# Line coverage of each reader by its fuzz corpus (fuzz/corpus/<target>).
fuzz-coverage: deps
	@bash scripts/fuzz-coverage.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-format over the sources, clang-tidy over the modules changed since the previous
# commit (make lint LINT_ARGS=--all for every module), with the debug build's database.
LINT_ARGS ?=
lint: deps
	@bash scripts/lint.sh $(LINT_ARGS)

clean:
	rm -rf build
