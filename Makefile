# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = build-essential cmake libdxflib-dev libcurl4-openssl-dev zlib1g-dev libgtest-dev \
           qt6-base-dev python3-ezdxf python3-matplotlib xvfb xauth \
           file desktop-file-utils man-db nlohmann-json3-dev libpolyclipping-dev
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test test-cad test-sanitize test-tsan test-fuzz build deps deps-fuzz clean package

# Installs those of the Debian packages $(1) that are missing (apt-get options: $(2)).
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	  | grep -q "install ok installed" || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $(2) $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# libFuzzer comes with clang's runtime libraries.
deps-fuzz: deps
	$(call install_missing,clang-14 libclang-rt-14-dev)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p out
	$(BUILD)/bin/vextora-convert -o out/ examples/*.svg && \
	$(BUILD)/bin/vextora-convert --svg-rules=browser -o out/browser/ examples/*.svg; \
	status=$$?; ls -l out/ out/browser/; exit $$status

# As root the package is also installed onto the machine with apt-get, run and
# removed again (ctest's package.install only unpacks it into a temporary root).
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@if [ "$$(id -u)" = 0 ]; then packaging/test-package.sh $(BUILD) --system; fi

# LibreCAD prints and FreeCAD imports what `make run` converts (tests/cad/run);
# both are installed when missing, without their recommended extras.
CAD_PACKAGES = librecad freecad-python3 poppler-utils python3-ezdxf
test-cad: build
	$(call install_missing,$(CAD_PACKAGES),--no-install-recommends)
	tests/cad/run $(BUILD)

# The Debian package: $(BUILD)/vextora_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXTORA_SANITIZE=ON >/dev/null
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The dialog's tests, the command line's tests (its -j workers) and the DXF
# tests (the writer's second thread) built with
# ThreadSanitizer; any race report fails the run. Qt itself is not instrumented:
# its own locks are invisible, so calls it makes (allocations, its lock-free
# queues) are left out; the threads' hand-overs in our code (std::mutex, join)
# are followed, and a race between our threads is still reported.
TSAN_BUILD ?= build-tsan
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXTORA_SANITIZE=thread >/dev/null
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target vextora vextora-convert \
	  test_app_dialog test_app_controls test_app_command_line test_cli test_dxf \
	  test_dxf_drawings
	cd $(TSAN_BUILD) && \
	  TSAN_OPTIONS="halt_on_error=1 ignore_noninstrumented_modules=1 $(TSAN_OPTIONS)" \
	  ctest --output-on-failure -j $(JOBS) -R '^(app|cli|dxf)\.'


# Each fuzz target for FUZZ_SECONDS on its seed corpus (fuzz/run); a finding fails.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
test-fuzz: deps-fuzz
	FUZZ_BUILD=$(FUZZ_BUILD) fuzz/run $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) out
