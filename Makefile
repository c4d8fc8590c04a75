# make run: install what is missing, build, start the trainer.  make test: the same set-up, then every test.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all deps configure build run test bench install clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/bin/qor

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && { echo "== $$b"; "$$b"; }; done

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/opt/qor)

clean:
	rm -rf $(BUILD)
