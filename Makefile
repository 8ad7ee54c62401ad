# Everyday entry points. Each one first installs whatever Debian packages are missing.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test screenshots looks translations package clean bench soak sanitize fuzz faults fresh-check

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	    cmake -S . -B $(BUILD) $$(command -v ninja >/dev/null 2>&1 && echo "-G Ninja") -DCMAKE_BUILD_TYPE=RelWithDebInfo; \
	fi

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@sh scripts/run.sh $(BUILD)/two-circles

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

LANGUAGES = de fr es pt_BR ru

# A screen that holds the window at its designed size (Qt's offscreen one is smaller: the
# lesson would open zoomed down to fit it).
SCREEN = QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/screens/1920x1080.json

screenshots: build
	@$(SCREEN) $(BUILD)/lesson-screenshots docs
	@QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/screens/3840x2160.json QT_SCALE_FACTOR=2 $(BUILD)/lesson-screenshots docs/scale-2
	@pdftoppm -png -r 60 -singlefile docs/printed-page.pdf docs/printed-page && rm -f docs/printed-page.pdf docs/scale-2/printed-page.pdf
	@for l in $(LANGUAGES); do $(SCREEN) $(BUILD)/lesson-screenshots docs/languages/$$l --language $$l; done

# Records the golden renders again; only for a reviewed change of looks (README, Golden renders).
looks: build
	@cd $(BUILD)/tests && QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/screens/1920x1080.json LOOKS_RECORD=1 ./tst_looks >/dev/null && \
	    QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/screens/3840x2160.json QT_SCALE_FACTOR=2 LOOKS_RECORD=1 ./tst_looks >/dev/null
	@git status --short tests/looks

# Brings translations/*.ts in step with the source (lupdate): a new or changed text comes in
# unfinished, to be translated in Qt Linguist; the build compiles them (lrelease).
translations: configure
	@cmake --build $(BUILD) --target update_translations

package: build
	@cmake --build $(BUILD) --target package-deb

clean:
	rm -rf $(BUILD)

# Measurements and robustness runs, each in a build directory of its own.
SOAK_ACTIONS ?= 25000
SOAK_SEEDS ?= 1-8
FUZZ_SECONDS ?= 60

bench:
	@JOBS=$(JOBS) sh bench/run.sh $(BUILD)-bench

# A seed of the long soak runs for minutes: Qt Test's five-minute limit per test is lifted.
soak: build
	@cd $(BUILD)/tests && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=3600000 SOAK_ACTIONS=$(SOAK_ACTIONS) SOAK_SEEDS=$(SOAK_SEEDS) ./tst_soak randomLessons

sanitize:
	@JOBS=$(JOBS) sh scripts/sanitize.sh $(BUILD)-sanitize

fuzz:
	@JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) sh scripts/fuzz.sh $(BUILD)-fuzz

# Plants each of the faults listed in tools/plant-faults.py into the program in turn and checks
# that the suite catches it; the source is put back after each.
faults: build
	@/usr/bin/python3 tools/plant-faults.py $(BUILD)

# Proves the README's set-up on a pristine Debian 12: a minimal bookworm system is built in a
# temporary folder and runs `make test` on the committed HEAD there (as root, 10-20 minutes).
fresh-check:
	@sh scripts/fresh-check.sh
