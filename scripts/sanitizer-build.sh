# Sourced by sanitize.sh and fuzz.sh: configures build-sanitize/, everything
# built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, and
# with libFuzzer's coverage, so the one build runs the test suite and the
# fuzz targets (TAWEN_FUZZ=ON makes those libFuzzer programs).
#   configure_sanitizer_build [extra cmake arguments]
configure_sanitizer_build() {
  sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
  sanitizers="$sanitizers -fno-omit-frame-pointer"
  launcher=""
  command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  # shellcheck disable=SC2086
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $launcher \
    -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" \
    -DCMAKE_MODULE_LINKER_FLAGS="$sanitizers" \
    -DTAWEN_FUZZ=ON -DTAWEN_BENCHMARKS=OFF "$@"
}

# Leaks are looked for too; the first report of either ends its program.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
