# The two everyday commands: `make run` and `make test`; `make bench` measures.
# All of them first make sure the Debian packages the build needs are installed.

BUILD_DIR := build
JOBS      := $(shell nproc 2>/dev/null || echo 2)

# Compiler and build tools, Qt 6 Widgets with its German translations,
# GoogleTest for the window-free tests, LibreOffice Calc and its SDK for the
# spreadsheet export, Google Benchmark, Xvfb, xauth and ImageMagick for
# starting and photographing the program where no display is available, and
# what the icons, the package, the checks of the desktop files and the
# fuzzer (clang with its libFuzzer runtime) need.
# "a|b": either will do; the first is installed only where neither is (the
# headless Calc conflicts with the desktop's).
PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev qt6-translations-l10n libgl-dev \
            googletest libgtest-dev \
            'libreoffice-calc-nogui|libreoffice-calc' libreoffice-dev libbenchmark-dev \
            xvfb xauth imagemagick x11-utils \
            fonts-liberation2 fonts-dejavu-core \
            librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info \
            clang libclang-rt-14-dev

SAMPLE := examples/Sammlung.swl

.PHONY: all deps configure build test run package bench fuzz examples clean

all: build

deps:
	@tools/pakete-installieren.sh $(PACKAGES)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	tools/run-program.sh $(BUILD_DIR)/scheibwart $(SAMPLE)

# The Debian package: build/scheibwart_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack

# The data-path benchmarks at 10,000, 100,000 and 200,000 films and games
# (GROESSEN=10000,100000 for others), each collection generated once for all
# programs in a temporary folder; the results also as JSON in $(BENCH_ERGEBNISSE).
BENCHES          := bench_Laden bench_Befehle bench_Export
BENCH_ERGEBNISSE := $(BUILD_DIR)/bench/ergebnisse
GROESSEN         ?=

bench: build
	@mkdir -p $(BENCH_ERGEBNISSE)
	@ordner=$$(mktemp -d /tmp/scheibwart-sammlungen-XXXXXX) && trap 'rm -rf "$$ordner"' EXIT && \
	for b in $(BENCHES); do \
	  SCHEIBWART_BENCH_SAMMLUNGEN="$$ordner" SCHEIBWART_BENCH_GROESSEN="$(GROESSEN)" \
	    $(BUILD_DIR)/bench/$$b --benchmark_out=$(BENCH_ERGEBNISSE)/$$b.json --benchmark_out_format=json \
	    || exit 1; \
	done

# The collection reader under libFuzzer, FUZZ_LAEUFE inputs (ctest runs it
# for seconds only); new inputs it finds stay in $(BUILD_DIR)/fuzz/funde.
FUZZ_LAEUFE ?= 5000000

fuzz: build
	@mkdir -p $(BUILD_DIR)/fuzz/funde
	$(BUILD_DIR)/fuzz/fuzz_Sammlungsdatei -runs=$(FUZZ_LAEUFE) -max_len=20000 -print_final_stats=1 \
	  $(BUILD_DIR)/fuzz/funde fuzz/korpus

# Writes the sample collection anew with the program's collection writer.
examples: configure
	cmake --build $(BUILD_DIR) --target beispielsammlung
	$(BUILD_DIR)/src/beispielsammlung $(SAMPLE)

clean:
	rm -rf $(BUILD_DIR)
