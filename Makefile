# Deux commandes sur une Debian neuve : "make run" et "make test".
BUILD := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench build configure deps clean

run: build
	./$(BUILD)/Kalvoro/kalvoro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target bench

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	cmake --preset defaut

deps:
	bash scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
