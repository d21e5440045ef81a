#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>

void FuzzFailure(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}
