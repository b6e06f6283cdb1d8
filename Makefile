# make test  - install what is missing, build every tree, run every test
# make demo  - install what is missing, build, play the demo show under Wine
.PHONY: all deps native asan tsan windows wine-program build test demo clean

JOBS ?= $(shell nproc)
CMAKE_GEN = -G "Unix Makefiles"

all: build

deps:
	@./scripts/install-deps

build/native/Makefile:
	cmake $(CMAKE_GEN) -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
build/asan/Makefile:
	CC=clang CXX=clang++ cmake $(CMAKE_GEN) -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLW_SANITIZE=address,undefined -DLW_FUZZ=ON
build/tsan/Makefile:
	cmake $(CMAKE_GEN) -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLW_SANITIZE=thread
build/windows/Makefile:
	cmake $(CMAKE_GEN) -S . -B build/windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
build/windows64/Makefile:
	cmake $(CMAKE_GEN) -S . -B build/windows64 -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

native: deps build/native/Makefile
	cmake --build build/native -j $(JOBS)
asan: deps build/asan/Makefile
	cmake --build build/asan -j $(JOBS)
tsan: deps build/tsan/Makefile
	cmake --build build/tsan -j $(JOBS) --target lw_unit
windows: deps build/windows/Makefile
	cmake --build build/windows -j $(JOBS)
# The program Wine runs: the 32-bit build, or where the kernel runs no 32-bit
# code, the 64-bit build of the same sources under wine64.
wine-program: deps windows
	@if [ "$$(python3 tests/wine/harness.py arch)" = win64 ]; then \
	  $(MAKE) --no-print-directory build/windows64/Makefile && \
	  cmake --build build/windows64 -j $(JOBS); fi

build: native windows

test: native windows wine-program asan tsan
	cd build/native && ctest --output-on-failure -j $(JOBS) -L unit
	cd build/asan && ctest --output-on-failure -j $(JOBS) -L unit
	cd build/tsan && ctest --output-on-failure -j $(JOBS) -L unit -R 'Transition|Engine'
	cd build/asan && ctest --output-on-failure -L fuzz
	cd build/native && ctest --output-on-failure -L wine
	@echo "all tests passed"

demo: native windows wine-program
	./scripts/demo

clean:
	rm -rf build
