# The two commands of the README: `make run` and `make test`.
.PHONY: run test test-asan build build-asan deps clean

ARGS ?=

deps:
	@scripts/install-deps

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

run: build
	./build/velmora $(ARGS)

test: build
	ctest --preset dev

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

test-asan: build-asan
	ctest --preset asan

clean:
	rm -rf build build-asan
