# The two commands of the README:
#   make run    installs what is missing, builds, and starts the window
#   make test   installs what is missing, builds, and runs every test
# Other targets: build, install-deps, screenshot, bench, quality, clean.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
PACKAGES := cmake ninja-build g++ make libgtest-dev qt6-base-dev libgl-dev \
            fonts-liberation xauth xvfb pkg-config scdoc python3 python3-dev pybind11-dev
# Qt's own texts (edit menus, file dialogs, buttons) in Spanish for the window.
PACKAGES += qt6-translations-l10n
# The Enchant provider and the editors that test it and the ispell pipe.
PACKAGES += libenchant-2-dev enchant-2 python3-enchant emacs-nox
# Only for the tests: the golden outputs' text, the generator's expansion, the
# packages' check.
TEST_PACKAGES := fortunes-es hunspell-es hunspell-tools lintian
# vorlen-server and its tests with real clients (LibreOffice's remote checker,
# curl; gramma comes from npm, see install-npm-deps).
PACKAGES += libcpp-httplib-dev nlohmann-json3-dev curl python3-uno libreoffice-core-nogui nodejs
# Only for the benchmarks (a real Spanish text and the reference checker;
# msgunfmt of gettext reads the Spanish program messages).
BENCH_PACKAGES := fortunes-es hunspell hunspell-es gettext

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

SANITIZE_DIR ?= build-sanitize

.PHONY: run test build configure install-deps install-test-deps install-bench-deps bench quality clean \
        check-sanitize build-sanitize screenshot install-npm-deps

APT_GET := DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -o DPkg::Lock::Timeout=900

install-deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    echo 'man-db man-db/auto-update boolean false' | $(SUDO) debconf-set-selections; \
	    $(APT_GET) update -qq && $(APT_GET) install -y -qq $$missing >/dev/null; \
	fi

install-test-deps:
	@missing=$$(for p in $(TEST_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing for the tests:" $$missing; \
	    echo 'man-db man-db/auto-update boolean false' | $(SUDO) debconf-set-selections; \
	    $(APT_GET) update -qq && $(APT_GET) install -y -qq $$missing >/dev/null; \
	fi

install-bench-deps:
	@missing=$$(for p in $(BENCH_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    $(APT_GET) update -qq && $(APT_GET) install -y -qq $$missing >/dev/null; \
	fi

# npm packages of the tests, into $(BUILD_DIR)/npm (Node from Debian when missing).
install-npm-deps:
	@command -v npm >/dev/null || { $(APT_GET) update -qq && \
	    $(APT_GET) install -y -qq nodejs npm >/dev/null; }
	tests/server/install-npm-packages.sh $(BUILD_DIR)/npm

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: install-deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The whole suite twice: under AddressSanitizer and UndefinedBehaviorSanitizer,
# then as shipped (its summary line closes the output).
test: install-test-deps build install-npm-deps check-sanitize
	cd $(BUILD_DIR) && LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j $(JOBS)

$(SANITIZE_DIR)/build.ninja:
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORLEN_SANITIZE=ON \
	    -DVORLEN_BUILD_BENCH=OFF -DVORLEN_BUILD_TOOLS=OFF -DVORLEN_BUILD_PYTHON=OFF

build-sanitize: install-deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

check-sanitize: build-sanitize
	cd $(SANITIZE_DIR) && LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) -LE heavy

run: build
	@if [ -x $(BUILD_DIR)/src/ui/vorlen ]; then \
	    if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	        echo "No display found: the window needs a desktop session."; \
	        printf '%s\n' "Without one, try: printf 'aber si yano ay ves\\n' | $(BUILD_DIR)/src/cli/vorlen-cli"; \
	        exit 1; \
	    fi; \
	    $(BUILD_DIR)/src/ui/vorlen; \
	else \
	    echo "The window is not built yet; converting a sample text with vorlen-cli:"; \
	    printf 'aber si yano ay ves\n' | $(BUILD_DIR)/src/cli/vorlen-cli; \
	fi

# The window after converting a sample text, and the menu over an alternative,
# drawn without a display, then the web page on a wide and a phone-sized screen,
# for the README.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/ui/vorlen-screenshot docs/screenshot.png \
	    data/spanall.txt docs/screenshot-menu.png
	@echo "Wrote docs/screenshot.png and docs/screenshot-menu.png"
	$(MAKE) wasm install-web-test-deps
	cd $(BUILD_DIR) && VORLEN_SCREENSHOT_DIR=$(CURDIR)/docs ctest -R 'web_server_page|web_offline_site'
	@echo "Wrote docs/web-page.png and docs/web-phone.png"

bench: install-bench-deps build
	-$(BUILD_DIR)/bench/bench_outputs
	$(BUILD_DIR)/bench/bench_speed
	python3 bench/bench_server_load.py $(BUILD_DIR)/src/server/vorlen-server
	$(BUILD_DIR)/bench/bench_context

quality: install-bench-deps build
	$(BUILD_DIR)/bench/bench_quality

clean:
	rm -rf $(BUILD_DIR)

# The engine in WebAssembly with Debian's emscripten: the offline site
# (build-wasm/web/) and the npm package (build-wasm/npm/); its tests run in
# make test (the browser ones with Debian's chromium and npm playwright-core).
WASM_DIR ?= build-wasm
WASM_PACKAGES := emscripten node-acorn nodejs
WEB_TEST_PACKAGES := chromium fortunes-es
VORLEN_VERSION := $(shell grep -m1 -o 'vorlen VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

.PHONY: wasm install-wasm-deps install-web-test-deps bench-web

install-wasm-deps install-web-test-deps:
	@missing=$$(for p in $(if $(filter install-wasm-deps,$@),$(WASM_PACKAGES),$(WEB_TEST_PACKAGES)); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing >/dev/null; \
	fi
	@if [ $@ = install-web-test-deps ]; then tests/web/install-node-tools.sh $(WASM_DIR)/node-tools; fi

$(WASM_DIR)/build.ninja:
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WASM_DIR) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-fwasm-exceptions -DVORLEN_BUILD_UI=OFF \
	    -DVORLEN_BUILD_TESTS=OFF -DVORLEN_BUILD_BENCH=OFF -DVORLEN_BUILD_TOOLS=OFF \
	    -DVORLEN_BUILD_PYTHON=OFF

wasm: install-wasm-deps $(WASM_DIR)/build.ninja
	NODE_PATH=/usr/share/nodejs cmake --build $(WASM_DIR) -j $(JOBS) --target vorlen-core
	node src/wasm/assemble.mjs . $(WASM_DIR) $(VORLEN_VERSION)

test: wasm install-web-test-deps

bench: bench-web
bench-web: wasm install-web-test-deps build
	VORLEN_NODE_TOOLS=$(WASM_DIR)/node-tools VORLEN_WASM_DIR=$(WASM_DIR) \
	    VORLEN_CLI=$(BUILD_DIR)/src/cli/vorlen-cli node bench/web/bench_web.mjs
