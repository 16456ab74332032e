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

.PHONY: package screenshots

# The Debian package of the four programs, written into $(BUILD). Under umask
# 022, as dpkg-buildpackage packs, since the modes of the package's own members
# follow it.
package: build
	cd $(BUILD) && umask 022 && cpack -G DEB

# The pictures of the four windows in the README, taken from this build on a
# virtual display.
screenshots: build
	scripts/screenshots.sh $(BUILD)/bin docs/screenshots

# Checks the package built by `make package` with lintian (any error or
# warning fails), installs it on this machine, checks the installed files and
# starts each program from /usr/games on a virtual display, then removes the
# package again.
.PHONY: check-package
check-package: package
	packaging/check-deb.sh $(BUILD)/vantorel_*.deb $(BUILD)/installed

# Builds the package twice from the committed HEAD, in two fresh clones at
# different paths and times, and fails unless both are the same byte for byte.
.PHONY: check-reproducible
check-reproducible: deps
	packaging/check-reproducible.sh

.PHONY: format-check fuzz soak bench

# Fails when clang-format would change any tracked C++ file; needs no build.
format-check:
	@scripts/format-check.sh

# The two fuzzers (clang, libFuzzer, ASan, UBSan), the conversions and a
# box's cleaning, for FUZZ_SECONDS each.
FUZZ_SECONDS ?= 120
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh

# corvane2 at 1 ms auto-spin and countdown on a virtual display for
# SOAK_SECONDS; fails on a crash or more than 1 MiB of memory growth.
SOAK_SECONDS ?= 600
soak: build
	SOAK_SECONDS=$(SOAK_SECONDS) scripts/soak.sh $(BUILD)

# Every performance figure the programs promise, beside its reference.
bench: build
	python3 scripts/bench-report.py $(BUILD)
