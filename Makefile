# The two commands of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DFILMOTAS_WERROR=ON
endif

.PHONY: setup configure build run test package bench screenshot clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

# Only the program and its data files: the tests and benchmarks wait for `make test`.
run: configure
	@cmake --build $(BUILD) -j2 --target filmotas
	@$(BUILD)/filmotas

# build/filmotas_<version>_<arch>.deb from the install rules.
package: configure
	@cmake --build $(BUILD) -j2 --target filmotas installed_files
	@cd $(BUILD) && cpack -G DEB

test: build
	@cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	@bash bench/run.sh $(BUILD)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD)
