# Quillmere: make run | make test | make bench
JOBS ?= $(shell nproc)
CMAKE ?= cmake

.PHONY: run build test test-build bench deps clean install

deps:
	@bash scripts/install-deps.sh

build: deps
	@$(CMAKE) -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF >/dev/null
	@$(CMAKE) --build build -j $(JOBS)

run: build
	./build/src/quillmere

test-build: deps
	@$(CMAKE) -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON >/dev/null
	@$(CMAKE) --build build-test -j $(JOBS)

test: test-build
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

bench: deps
	@$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF >/dev/null
	@$(CMAKE) --build build-bench -j $(JOBS)
	build-bench/bench/bitmap_bench
	build-bench/bench/add_photos_bench 10000
	@if [ -x bench/batch-vs-peers.sh ]; then BUILD=build-bench bench/batch-vs-peers.sh; fi

install: build
	$(CMAKE) --install build

clean:
	rm -rf build build-test build-bench
