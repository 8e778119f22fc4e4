# Quillmere: make run | make test | make bench | make package | make install
JOBS ?= $(shell nproc)
CMAKE ?= cmake
# make install PREFIX=/tmp/q installs under /tmp/q (DESTDIR is honoured too).
PREFIX ?= /usr/local
# The package is built with Debian's hardening flags, as Debian's own are.
DEB_BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: run build test test-build bench deps clean install package

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
	build-bench/bench/add_photos_bench 1000 "" ../shared/testdata/raw/sx60-o6-fulljpeg.dng
	build-bench/bench/fit_size_bench
	build-bench/bench/frames_bench
	build-bench/bench/outputs_bench
	build-bench/bench/thumbnails_bench 5000
	@if [ -x bench/batch-vs-peers.sh ]; then BUILD=build-bench bench/batch-vs-peers.sh; fi
	@if [ -x bench/raw-vs-peers.sh ]; then BUILD=build-bench bench/raw-vs-peers.sh; fi
	@if [ -x bench/jxl-memory.sh ]; then BUILD=build-bench bench/jxl-memory.sh; fi

# The programs find their data relative to themselves, so the release build
# installs under any prefix without being configured for it.
install: build
	$(CMAKE) --install build --prefix $(PREFIX)

# dist/quillmere_VERSION_ARCH.deb, from a release build for /usr of its own.
package:
	@bash scripts/install-deps.sh --package
	@$(CMAKE) -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DQUILLMERE_PACKAGED=ON \
	  -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$$($(DEB_BUILDFLAGS) CPPFLAGS) $$($(DEB_BUILDFLAGS) CXXFLAGS)" \
	  "-DCMAKE_EXE_LINKER_FLAGS=$$($(DEB_BUILDFLAGS) LDFLAGS)" >/dev/null
	@$(CMAKE) --build build-package -j $(JOBS)
	@rm -rf build-package/cpack
	@cd build-package && cpack -G DEB -B cpack >/dev/null
	@mkdir -p dist && rm -f dist/quillmere_*.deb
	@cp build-package/cpack/quillmere_*.deb dist/
	@ls dist/quillmere_*.deb

clean:
	rm -rf build build-test build-bench build-package dist
