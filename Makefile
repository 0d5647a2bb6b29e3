# make play   installs what the game needs, builds and starts it
# make test   installs what the tests need too, builds and runs every test
# make bench  builds and runs the benchmarks

BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 60
FUZZ_TARGETS = bitmap_fuzz wave_fuzz drawpack_fuzz soundpack_fuzz midi_fuzz

.PHONY: play test build configure setup bench sanitize fuzz clean

setup:
	@./scripts/setup.sh

CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

configure: setup
	@$(CONFIGURE)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The game and its data only; the tests and benchmarks are built by their own targets.
play:
	@./scripts/setup.sh play
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j $(JOBS) --target vornquist
	@cd $(BUILD) && ./vornquist

test: build
	@cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

bench: build
	@cd $(BUILD) && ./vq_bench

sanitize: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_SANITIZE=ON -DVQ_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ctest --output-on-failure -j $(JOBS)

# Each loader's fuzz target for FUZZ_SECONDS on a corpus seeded from the
# generated data; findings are kept under fuzz-findings/ and fail the run,
# as does a target that cannot run (its "fuzz: " line says why).
fuzz:
	@./scripts/setup.sh fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_FUZZ=ON -DVQ_TESTS=OFF -DVQ_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@cd build-fuzz && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./fuzz_seeds seeds . >seeds.log 2>&1 \
	  || { tail -5 seeds.log; exit 1; }
	@mkdir -p fuzz-findings
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./build-fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    -rss_limit_mb=2048 -malloc_limit_mb=256 -print_final_stats=0 -artifact_prefix=fuzz-findings/$$t- \
	    build-fuzz/corpus/$$t build-fuzz/seeds/$${t%_fuzz} > build-fuzz/$$t.log 2>&1 \
	    || { tail -40 build-fuzz/$$t.log; \
	         if grep -q '^fuzz: ' build-fuzz/$$t.log; then echo "fuzz: $$t could not run"; \
	         else echo "fuzz: $$t found a fault, kept in fuzz-findings/"; fi; exit 1; }; \
	done; echo "fuzz: no findings"

clean:
	rm -rf $(BUILD) build-asan build-fuzz
