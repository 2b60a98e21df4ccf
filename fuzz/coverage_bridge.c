/*
 * Coverage bridge between GCC's instrumentation and libFuzzer.
 *
 * The library is compiled by GCC with -fsanitize-coverage=trace-pc, which calls
 * __sanitizer_cov_trace_pc() at the start of every basic block. libFuzzer only
 * understands clang's inline 8-bit counters; its own __sanitizer_cov_trace_pc
 * aborts with "unsupported instrumentation". The fuzz targets are therefore
 * linked with -Wl,--wrap=__sanitizer_cov_trace_pc, which sends those calls
 * here, and the block addresses are hashed into counters placed in the
 * __libfuzzer_extra_counters section. libFuzzer clears and reads that section
 * around every input exactly like its own counters, so each (block, hit-count
 * bucket) becomes a coverage feature.
 *
 * This file is compiled without any instrumentation.
 */
#include <stdint.h>

#define VESTRILO_COUNTER_BITS 16

__attribute__((section("__libfuzzer_extra_counters"), used, aligned(64)))
static uint8_t vestriloCounters[1u << VESTRILO_COUNTER_BITS];

void __wrap___sanitizer_cov_trace_pc(void) {
  const uint64_t pc = (uint64_t)(uintptr_t)__builtin_return_address(0);
  /* Fibonacci hashing spreads nearby call sites over the whole table. */
  const uint32_t slot = (uint32_t)((pc * UINT64_C(0x9E3779B97F4A7C15)) >> (64 - VESTRILO_COUNTER_BITS));
  uint8_t* counter = &vestriloCounters[slot];
  /* Saturate instead of wrapping, so that 256 hits never read as none. */
  if (*counter != 0xFF) ++*counter;
}

/*
 * GCC's trace-cmp also reports floating-point comparisons, which libFuzzer has
 * no hooks for. They carry no useful values for text input; accept and drop
 * them so that any use of floating point in the library still links.
 */
void __sanitizer_cov_trace_cmpf(float a, float b) {
  (void)a;
  (void)b;
}

void __sanitizer_cov_trace_cmpd(double a, double b) {
  (void)a;
  (void)b;
}
