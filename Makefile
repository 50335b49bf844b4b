# The two everyday commands: `make run` and `make test`.
# Both first make sure the Debian packages the build needs are installed.

BUILD_DIR := build
JOBS      := $(shell nproc 2>/dev/null || echo 2)

# Compiler and build tools, Qt 6 Widgets with its German translations,
# GoogleTest for the window-free tests, LibreOffice Calc and its SDK for the
# spreadsheet export, Google Benchmark, Xvfb, xauth and ImageMagick for
# starting and photographing the program where no display is available, and
# what the icons, the package and the checks of the desktop files need.
# "a|b": either will do; the first is installed only where neither is (the
# headless Calc conflicts with the desktop's).
PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev qt6-translations-l10n libgl-dev \
            googletest libgtest-dev \
            'libreoffice-calc-nogui|libreoffice-calc' libreoffice-dev libbenchmark-dev \
            xvfb xauth imagemagick x11-utils \
            fonts-liberation2 fonts-dejavu-core \
            librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info

SAMPLE := examples/Sammlung.swl

.PHONY: all deps configure build test run package examples clean

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

# Writes the sample collection anew with the program's collection writer.
examples: configure
	cmake --build $(BUILD_DIR) --target beispielsammlung
	$(BUILD_DIR)/src/beispielsammlung $(SAMPLE)

clean:
	rm -rf $(BUILD_DIR)
