# The two everyday commands: `make run` and `make test`; `make bench` measures.
# Each first makes sure the Debian packages it needs are installed, and
# configures the build folder for what it builds, so either may follow the other.

BUILD_DIR := build
JOBS      := $(shell nproc 2>/dev/null || echo 2)

# What the program needs to build and start: compiler and build tools, Qt 6
# Widgets with its German translations, LibreOffice Calc and the SDK for the
# workbook export's bridge module (cppumaker, the UNO headers and libraries:
# libreoffice-dev alone has cppumaker), the type faces of its windows, the
# desktop's file dialogs (GTK) and xdg-open for opening pages and files, the
# icon renderer, and Xvfb, xauth, xwininfo and ImageMagick for starting and
# photographing it where no display is available. Packages are installed
# without their recommends, so whatever the program uses is named here.
# "a|b": either will do; the first is installed only where neither is (the
# headless Calc conflicts with the desktop's).
PAKETE_PROGRAMM := cmake g++ make pkg-config \
                   qt6-base-dev qt6-translations-l10n libgl-dev qt6-gtk-platformtheme xdg-utils \
                   'libreoffice-calc-nogui|libreoffice-calc' libreoffice-dev \
                   fonts-liberation2 fonts-dejavu-core librsvg2-bin \
                   xvfb xauth x11-utils imagemagick

# What the package adds: dpkg-buildflags gives Debian's build flags,
# dpkg-shlibdeps the package's dependencies.
PAKETE_PAKET := dpkg-dev

# What the tests, the benchmarks and the fuzzer add: GoogleTest, Google
# Benchmark, clang with its libFuzzer runtime, and the checks of the desktop
# files and of the package.
PAKETE_TESTS := googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev \
                desktop-file-utils appstream shared-mime-info $(PAKETE_PAKET)

KONFIGURIEREN := cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
NUR_PROGRAMM  := -DSCHEIBWART_TESTS=OFF -DSCHEIBWART_BENCHMARKS=OFF -DSCHEIBWART_FUZZER=OFF
MIT_TESTS     := -DSCHEIBWART_TESTS=ON -DSCHEIBWART_BENCHMARKS=ON -DSCHEIBWART_FUZZER=ON

SAMPLE := examples/Sammlung.swl

.PHONY: all deps deps-tests build build-tests test run package bench fuzz examples clean

all: build

deps:
	@tools/pakete-installieren.sh $(PAKETE_PROGRAMM)

deps-tests:
	@tools/pakete-installieren.sh $(PAKETE_PROGRAMM) $(PAKETE_TESTS)

# The program and its bridge module, nothing else.
build: deps
	$(KONFIGURIEREN) $(NUR_PROGRAMM)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target scheibwart scheibwart_calc

# Everything: the program, the tests, the benchmarks and the fuzzer.
build-tests: deps-tests
	$(KONFIGURIEREN) $(MIT_TESTS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build-tests
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	tools/run-program.sh $(BUILD_DIR)/scheibwart $(SAMPLE)

# The Debian package: build/scheibwart_<version>_<arch>.deb. It is built in a
# folder of its own with Debian's build flags and all their hardening
# (fortified functions, stack protector, read-only relocations bound at start),
# which the everyday build does without.
PAKET_DIR := $(BUILD_DIR)/paket
BAUFLAGS   = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package:
	@tools/pakete-installieren.sh $(PAKETE_PROGRAMM) $(PAKETE_PAKET)
	cmake -S . -B $(PAKET_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(NUR_PROGRAMM) \
	  -DCMAKE_CXX_FLAGS="$$($(BAUFLAGS) CPPFLAGS) $$($(BAUFLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BAUFLAGS) LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$($(BAUFLAGS) LDFLAGS)"
	cmake --build $(PAKET_DIR) -j $(JOBS)
	cd $(PAKET_DIR) && cpack -B $(CURDIR)/$(BUILD_DIR)

# The data-path benchmarks at 10,000, 100,000 and 200,000 films and games
# (GROESSEN=10000,100000 for others), each collection generated once for all
# programs in a temporary folder; the results also as JSON in $(BENCH_ERGEBNISSE).
BENCHES          := bench_Laden bench_Befehle bench_Export
BENCH_ERGEBNISSE := $(BUILD_DIR)/bench/ergebnisse
GROESSEN         ?=

bench: deps-tests
	$(KONFIGURIEREN) $(MIT_TESTS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(BENCHES)
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

fuzz: deps-tests
	$(KONFIGURIEREN) $(MIT_TESTS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target fuzz_sammlungsdatei
	@mkdir -p $(BUILD_DIR)/fuzz/funde
	$(BUILD_DIR)/fuzz/fuzz_Sammlungsdatei -runs=$(FUZZ_LAEUFE) -max_len=20000 -print_final_stats=1 \
	  $(BUILD_DIR)/fuzz/funde fuzz/korpus

# Writes the sample collection anew with the program's collection writer.
examples: deps
	$(KONFIGURIEREN) $(NUR_PROGRAMM)
	cmake --build $(BUILD_DIR) --target beispielsammlung
	$(BUILD_DIR)/src/beispielsammlung $(SAMPLE)

clean:
	rm -rf $(BUILD_DIR)
