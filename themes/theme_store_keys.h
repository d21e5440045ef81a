#pragma once
// The keys of a theme section: the eighteen colour keys of the slot table, then
// TransformTitle. The reader and the writer both walk these.
#include <string_view>

inline constexpr std::wstring_view kTransformTitleKey = L"TransformTitle";

// What a key line of a section sets.
inline constexpr int kTransformTitleField = -1;
inline constexpr int kUnknownField = -2;

// The colour slot named by `key`, kTransformTitleField, or kUnknownField. Keys are
// compared exactly: case and blanks count. `expected` is the slot to try first.
int ThemeFieldOfKey(std::wstring_view key, int expected = kUnknownField);
