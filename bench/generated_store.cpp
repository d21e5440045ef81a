#include "bench/generated_store.h"

#include <cstdint>
#include <utility>

#include "platform/text_file.h"
#include "themes/theme_store.h"

std::string GeneratedThemeStore(int count) {
  ThemeList list(1);
  std::uint32_t seed = 12345;
  for (int i = 0; i < count; ++i) {
    Theme theme;
    theme.Name = L"テーマ " + std::to_wstring(i);
    for (Color& color : theme.Colors) {
      seed = seed * 1664525u + 1013904223u;
      color = static_cast<Color>(seed >> 8);
    }
    if (i % 2 == 0) theme.TransformTitle = L"題" + std::to_wstring(i);
    list.push_back(std::move(theme));
  }
  return platform::JoinLinesCrlf(WriteThemeStoreLines(list));
}
