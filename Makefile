# Two commands a user needs: `make run` and `make test`. Both install what is
# missing from Debian's packages first.
APP ?= corvane2
PRESET ?= release
BUILD := build/$(PRESET)
APPS := corvane2 corvane pallix pallixb

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/setup-deps.sh

configure: deps
	cmake --preset $(PRESET) >/dev/null

build: configure
	cmake --build --preset $(PRESET) -j2

run: build
	@case " $(APPS) " in *" $(APP) "*) ;; *) echo "APP must be one of: $(APPS)"; exit 2;; esac
	@scripts/run-app.sh $(BUILD)/bin/$(APP)

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build
