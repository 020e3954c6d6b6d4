#pragma once
// The hottest functions of replaying and naming are built twice: for any
// x86-64, and for processors with AVX2 and BMI (x86-64-v3), which test and
// count bits of the point sets in single instructions. The loader picks the
// build the processor runs, so the program still runs everywhere.

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define MOKUZA_CPU_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define MOKUZA_CPU_CLONES
#endif
