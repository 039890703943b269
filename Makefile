# Front door of the build: each target installs what is missing, then builds out of tree.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test clean

run:
	scripts/install-deps run
	cmake -S . -B $(BUILD) -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target vantrel
	scripts/lance-vantrel $(BUILD)/ui/vantrel

test:
	scripts/install-deps test
	cmake -S . -B $(BUILD)-test -DVANTREL_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-test -j $(JOBS)
	ctest --test-dir $(BUILD)-test --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-test
