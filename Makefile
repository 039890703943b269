# Front door of the build: each target installs what is missing, then builds out of tree.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
.PHONY: run test test-suite test-asan fuzz bench bench-windows paquet paquets paquet-reproductible depot essai-depot windows windows-ici \
    test-windows libs-tests-windows fichiers-windows clean \
    bench-arm64 bench-armhf

run:
	scripts/install-deps run
	cmake -S . -B $(BUILD) -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target vantrel
	scripts/ouvre-fenetre $(BUILD)

test: test-suite
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz
	@echo "make test: the suite, the suite under the sanitizers and the fuzz targets all passed"

# How every suite runs: no test may hold a run for more than ten minutes (a test that sets its own
# TIMEOUT keeps it).
CTEST = ctest --output-on-failure --timeout 600 -j $(JOBS)

# The suite alone, without the sanitizers and the fuzz targets.
test-suite:
	scripts/install-deps test
	cmake -S . -B $(BUILD)-test -DVANTREL_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-test -j $(JOBS)
	$(CTEST) --test-dir $(BUILD)-test

# make test as a newcomer runs it on a fresh Debian of another release (make test-debian13): in
# a minimal system made by mmdebstrap and kept in ~/.cache/vantrel, with a clean clone of the
# committed sources (scripts/essai-debian). As root. ESSAI_DEBIAN=test-suite runs the suite alone.
ESSAI_DEBIAN ?= test
test-debian%:
	scripts/install-deps systeme
	scripts/essai-debian $* $(ESSAI_DEBIAN)

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer (leaks
# included): any finding aborts its test, and so fails the run.
test-asan:
	scripts/install-deps test
	cmake -S . -B $(BUILD)-test-asan -DVANTREL_WERROR=ON -DVANTREL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-test-asan -j $(JOBS)
	UBSAN_OPTIONS=print_stacktrace=1 \
	    $(CTEST) --test-dir $(BUILD)-test-asan

# The libFuzzer targets of fuzz/, built with clang, each run FUZZ_SECONDS from its seeds.
FUZZ_SECONDS ?= 20
fuzz:
	scripts/install-deps fuzz
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_FUZZ=ON -DVANTREL_UI=OFF \
	    -DVANTREL_TESTS=OFF -DVANTREL_WERROR=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	fuzz/lance-fuzz $(BUILD)-fuzz $(FUZZ_SECONDS)

# Speed and memory, in a Release tree: the arithmetic per call, then start-up against a bare
# Qt window under Xvfb. Not part of the test run.
CONFIGURE_BENCH = cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DVANTREL_BENCH=ON -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
bench:
	scripts/install-deps bench
	$(CONFIGURE_BENCH)
	cmake --build $(BUILD)-bench -j $(JOBS)
	$(BUILD)-bench/bench/bench_calculs --benchmark_repetitions=5 \
	    --benchmark_report_aggregates_only=true | grep -Ev '_(mean|stddev|cv) '
	bench/mesure-demarrage.sh $(BUILD)-bench

# The Debian packages, made by Debian's own tools (scripts/paquets-debian): the source package,
# then for every Debian release in DEBIANS and every architecture in ARCHS a package built by
# sbuild in a clean build system of its release (the suite included; ARM cross-built, its suite
# under qemu) and passed
# by that release's lintian, then tried by autopkgtest (debian/tests/) in a minimal system of its
# own release and architecture (ARM through qemu; those of ESSAIS, RELEASE:ARCH, all unless told),
# and those for this machine's architecture by piuparts (scripts/piuparts-debian): install,
# remove and purge leave nothing behind, and a Debian 12 system with the Debian 12 build,
# dist-upgraded to Debian 13, ends with the Debian 13 build. Into $(BUILD)/paquets/ with
# SHA256SUMS. make paquet: this machine's release and architecture alone. As root.
DEBIANS ?= 12 13
ARCHS ?= amd64 arm64 armhf
# The minimal systems check that their release's -security serves every one of them
# (scripts/systeme-debian).
export ARCHS
ESSAIS ?=
paquets:
	scripts/install-deps paquets
	scripts/paquets-debian $(BUILD)/paquets "$(DEBIANS)" "$(ARCHS)" "$(ESSAIS)"

paquet:
	$(MAKE) --no-print-directory paquets DEBIANS="$$(bash -c '. scripts/plateforme.sh && debian_numero')" \
	    ARCHS="$$(dpkg --print-architecture)"

# The package built twice by reprotest in a fresh Debian $(DEBIAN_REPRODUCTIBLE), the second time
# at another path, another date, with another umask, locale, time zone, home, kernel version and
# number of processors: the same bytes (scripts/reproductible-debian). As root.
DEBIAN_REPRODUCTIBLE ?= 12
paquet-reproductible:
	scripts/install-deps systeme
	scripts/reproductible-debian $(DEBIAN_REPRODUCTIBLE)

# The apt repository users add (scripts/depot-apt): one suite per release of make paquets, signed
# by the GnuPG key CLE names (its fingerprint), into $(BUILD)/depot/, ready to be served as it is.
# The packages are built first if make paquets has not. As root.
depot:
	@[ -n "$(CLE)" ] || { echo "make depot CLE=FINGERPRINT: the key that signs the repository" >&2; exit 2; }
	[ -s $(BUILD)/paquets/SHA256SUMS ] || $(MAKE) --no-print-directory paquets
	scripts/install-deps depot
	scripts/depot-apt $(BUILD)/depot $(BUILD)/paquets "$(CLE)"

# The repository tried end to end (scripts/essai-depot): served on 127.0.0.1 and signed by a key
# made for the run, added as the README says in fresh systems of each release for PCs and in
# Debian 13 for the Raspberry Pi's armhf, through qemu (RELEASE:ARCH in ESSAIS_DEPOT); it installs
# vantrel and brings a newer build through apt-get upgrade, and apt refuses a copy whose Release
# file was altered. As root.
ESSAIS_DEPOT ?= 12:amd64 13:amd64 13:armhf
essai-depot:
	[ -s $(BUILD)/paquets/SHA256SUMS ] || $(MAKE) --no-print-directory paquets
	scripts/install-deps depot
	scripts/essai-depot $(BUILD)/paquets "$(ESSAIS_DEPOT)"

# Windows, cross-built with MinGW-w64 (packaging/windows/) in a fresh minimal Debian
# $(DEBIAN_WINDOWS) (scripts/dans-debian), so that a builder on any Debian release gets the same
# bytes: Qt's qtbase built there once from that release's source into a cache outside the clone,
# then $(BUILD)-windows/vantrel-<version>-setup.exe and vantrel-<version>-windows-x86_64.zip,
# with SHA256SUMS and the build record beside them. As root. make windows-ici builds them with
# this machine's own toolchain instead.
DEBIAN_WINDOWS = 12
# Qt's 12 minutes of compiling leave the machine to other work first (CI, whose other lanes
# wait on it, sets none).
NICE_QT ?= nice -n 10
QT_WINDOWS ?= $(HOME)/.cache/vantrel/qt-windows-debian$(DEBIAN_WINDOWS)
LIBS_TESTS_WINDOWS ?= $(HOME)/.cache/vantrel/tests-mingw
QT_CMAKE_WINDOWS = $(QT_WINDOWS)/bin/qt-cmake -G Ninja \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/mingw-w64.cmake

windows:
	scripts/install-deps systeme
	scripts/dans-debian -l $(CURDIR) -l $(QT_WINDOWS) $(DEBIAN_WINDOWS) amd64 \
	    "apt-get install -y -q git make && make -C '$(CURDIR)' \
	     --no-print-directory windows-ici BUILD='$(BUILD)' QT_WINDOWS='$(QT_WINDOWS)' NICE_QT='$(NICE_QT)' \
	     JOBS=$(JOBS) CMAKE_FLAGS='$(CMAKE_FLAGS)'"

# Qt for Windows is held by a shared lock while it builds against it (scripts/qt-windows
# rebuilds it under an exclusive one).
windows-ici:
	scripts/install-deps windows
	$(NICE_QT) scripts/qt-windows $(QT_WINDOWS)
	flock -s $(QT_WINDOWS) $(QT_CMAKE_WINDOWS) -S . -B $(BUILD)-windows -DCMAKE_BUILD_TYPE=Release \
	    -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	flock -s $(QT_WINDOWS) cmake --build $(BUILD)-windows -j $(JOBS) --target windows-paquets

# The installed Windows program's start-up under Wine, against a bare Qt window and the plain
# widget tree built the same way (bench/mesure-demarrage-wine.sh); the launcher that times them is built for Linux.
bench-windows: windows
	scripts/install-deps windows
	scripts/install-deps bench
	$(CONFIGURE_BENCH)
	cmake --build $(BUILD)-bench -j $(JOBS) --target lanceur
	$(QT_CMAKE_WINDOWS) -S . -B $(BUILD)-windows -DVANTREL_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-windows -j $(JOBS) --target vantrel_reference vantrel_arbre
	bench/mesure-demarrage-wine.sh $(BUILD)-bench $(BUILD)-windows

# The Raspberry Pi's start-up estimated: the Release build for ARM, configured with debhelper's
# cross flags for the target (dh_auto_configure), run under qemu against the bare window and the
# plain widget tree built the same way, timed by this machine's launcher.
bench-arm64 bench-armhf: bench-%:
	scripts/install-deps bench
	scripts/install-deps $*
	$(CONFIGURE_BENCH)
	cmake --build $(BUILD)-bench -j $(JOBS) --target lanceur
	dpkg-architecture -a $* -c dh_auto_configure --buildsystem=cmake --builddirectory=$(BUILD)-bench-$* -- \
	    -DQT_HOST_PATH=/usr -DCMAKE_CROSSCOMPILING_EMULATOR="$$(bash -c '. scripts/plateforme.sh && emulateur_qemu $*');-L;/" \
	    -DCMAKE_BUILD_TYPE=Release -DVANTREL_BENCH=ON -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD)-bench-$* -j $(JOBS) --target vantrel vantrel_reference vantrel_arbre
	bench/mesure-demarrage.sh $(BUILD)-bench-$* 15 $(BUILD)-bench

# What the Windows test suites need besides Qt: this machine's packages, and GoogleTest and
# GeographicLib built for Windows once (scripts/libs-tests-windows). CI makes them while Qt builds.
libs-tests-windows:
	scripts/install-deps windows-test
	nice -n 10 scripts/libs-tests-windows $(LIBS_TESTS_WINDOWS)

# The suites under Wine (packaging/windows/suites-wine.sh); the installer tried in a fresh Wine
# prefix, and the installed program used through its window (essai-installateur.sh). That
# another builder gets the same bytes is make test-windows-debian13's.
XVFB = xvfb-run -a -s '-screen 0 1280x1024x24'
CONFIGURE_TESTS_WINDOWS = PKG_CONFIG_LIBDIR=$(LIBS_TESTS_WINDOWS)/lib/pkgconfig $(QT_CMAKE_WINDOWS) \
    -S . -B $(BUILD)-windows-test -DVANTREL_WERROR=ON \
    -DQT_ADDITIONAL_PACKAGES_PREFIX_PATH=$(LIBS_TESTS_WINDOWS) \
    -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/packaging/windows/lance-wine $(CMAKE_FLAGS)
test-windows: windows libs-tests-windows
	$(CONFIGURE_TESTS_WINDOWS)
	$(XVFB) packaging/windows/suites-wine.sh $(BUILD)-windows-test $(QT_WINDOWS)
	$(XVFB) packaging/windows/essai-installateur.sh $(BUILD)-windows $(QT_WINDOWS) \
	    $(BUILD)-windows-test/captures

# The window suite built for Windows, as make test-windows runs it, once more under the Wine of
# a fresh Debian of another release (make test-windows-debian13: Wine 10), whose faces differ
# (packaging/windows/suite-fenetre-debian.sh); and the Windows files made again from inside that
# Debian, from a clone at another path, with another umask, time zone, locale and file times,
# which must be the same bytes as make windows made here (scripts/windows-depuis-debian). The
# two are independent: make -j2 runs them side by side, as CI does. As root. The Windows files
# are made first if they are missing; the window suite in a tree of its own, which make
# test-windows may be using at the same time.
test-windows-debian%: suite-fenetre-windows-debian% windows-depuis-debian%
	@echo "make test-windows-debian$*: the window suite under Debian $*'s Wine and the Windows files made from Debian $* passed"

suite-fenetre-windows-debian%: libs-tests-windows fichiers-windows
	scripts/install-deps systeme
	$(CONFIGURE_TESTS_WINDOWS:$(BUILD)-windows-test=$(BUILD)-windows-test-debian$*)
	cmake --build $(BUILD)-windows-test-debian$* -j $(JOBS) --target tst_frmvantrel
	packaging/windows/suite-fenetre-debian.sh $* $(BUILD)-windows-test-debian$* $(QT_WINDOWS)

windows-depuis-debian%: fichiers-windows
	scripts/install-deps systeme
	scripts/windows-depuis-debian $* $(BUILD)-windows $(QT_WINDOWS)

fichiers-windows:
	[ -s $(BUILD)-windows/SHA256SUMS ] || $(MAKE) --no-print-directory windows

# The steps above make no file of their name: nothing for make to delete after them.
.SECONDARY:

clean:
	rm -rf $(BUILD) $(BUILD)-test $(BUILD)-test-asan $(BUILD)-fuzz $(BUILD)-bench \
	    $(BUILD)-windows $(BUILD)-windows-test $(BUILD)-windows-test-debian* \
	    $(BUILD)-bench-arm64 $(BUILD)-bench-armhf
