# The two commands of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DFILMOTAS_WERROR=ON
endif

.PHONY: setup build run test bench screenshot clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j2

run: build
	@$(BUILD)/filmotas

test: build
	@cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	@bash bench/run.sh $(BUILD)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD)
