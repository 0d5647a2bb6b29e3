# make play   installs what is missing, builds and starts the game
# make test   installs what is missing, builds and runs every test
# make bench  builds and runs the benchmarks

BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: play test build setup bench sanitize clean

setup:
	@./scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	@cd $(BUILD) && ./vornquist

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@cd $(BUILD) && ./vq_bench

sanitize: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_SANITIZE=ON -DVQ_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan
