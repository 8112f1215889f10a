# make run   installs what is missing, builds and starts the program
# make test  installs what is missing, builds and runs every test
# make bench builds and runs the benchmarks
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: deps build run test bench clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/src/lingxi-shufang

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/abacus-bench

clean:
	rm -rf $(BUILD_DIR)
