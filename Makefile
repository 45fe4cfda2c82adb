# The README's commands. Each installs what it needs first.
.PHONY: test run bench deps build-debug build-release format clean

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

bench: build-release
	@bash scripts/bench.sh build/release/bin

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
