#pragma once
// Theme stores for the benchmarks, generated the same way on every run and machine.
#include <string>

// The bytes of a store of `count` themes as the program writes it: Japanese names,
// colours spread over the whole range, and a TransformTitle on every other theme.
std::string GeneratedThemeStore(int count);
