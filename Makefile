# Velmora setup: build, test, demo and benchmarks.
#   make         builds build/win32/setup.exe (i686, shipped), build/win64/setup.exe
#                (x86_64; the tests run both under Wine) and the host build in build/host
#   make test    builds and runs every test layer, ending with CTest's summary
#   make demo    lays out examples/demo in build/demo and starts the shipped setup.exe on it
#   make bench   runs the benchmarks; each figure ends as "BENCH <name> <value>"
#   make fuzz    runs each fuzzer for FUZZ_SECONDS

BUILD := build
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: all bootstrap host win32 win64 test demo bench fuzz clean

all: host win32 win64

bootstrap:
	@bash tools/bootstrap.sh

host: bootstrap
	cmake -S . -B $(BUILD)/host -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(BUILD)/host -j$(JOBS)

win32: bootstrap
	cmake -S . -B $(BUILD)/win32 -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	cmake --build $(BUILD)/win32 -j$(JOBS)

win64: bootstrap
	cmake -S . -B $(BUILD)/win64 -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	cmake --build $(BUILD)/win64 -j$(JOBS)

# One CTest run over the three trees, so the run ends with one summary; the
# i686 tree (the shipped build) comes first.
test: all
	@dpkg-query -W -f='$${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' || \
	    echo "make test: 32-bit Wine (wine32:i386) is not installed here; the i686 entries will be skipped"
	printf 'subdirs("host" "win32" "win64")\n' > $(BUILD)/CTestTestfile.cmake
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

demo: win32 win64
	bash tools/run_demo.sh $(BUILD)/win32/setup.exe $(BUILD)/win64/setup.exe $(BUILD)/demo

bench: all
	bash bench/run_bench.sh $(BUILD)

fuzz: host
	for name in profile_scan payload_records text_markup statement_text log_entries szdd_expand payload_listing; do \
	    mkdir -p $(BUILD)/fuzz-corpus/$$name && \
	    $(BUILD)/host/tests/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        $(BUILD)/fuzz-corpus/$$name tests/fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD)
