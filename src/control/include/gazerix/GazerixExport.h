#pragma once
// Marks what libgazerix.so offers the programs that link or load it; everything else in the
// library, the engine included, stays private to it.
#define GAZERIX_EXPORT __attribute__((visibility("default")))
