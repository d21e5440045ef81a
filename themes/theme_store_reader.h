#pragma once
// Reads the lines of a theme store one at a time into themes. The line-list entry
// point and the file loader both feed it, so they cannot read differently.
#include <string>
#include <string_view>
#include <utility>

#include "platform/io_status.h"
#include "settings/color_slots.h"
#include "themes/theme.h"

class ThemeStoreReader {
 public:
  // The themes read are appended to `start` (the loader puts entry 0 there).
  explicit ThemeStoreReader(ThemeList start = {})
      : themes_(std::move(start)), firstSection_(themes_.size()) {}

  // One line without its line end (a lone LF inside it is part of it).
  void ReadLine(std::wstring_view line);

  // `start` followed by the themes read, in file order.
  ThemeList TakeThemes() { return std::move(themes_); }

 private:
  ThemeList themes_;
  std::size_t firstSection_;
  int expectedSlot_ = 0;
};

// Feeds every line of the file to the reader, converted from the code page, as the
// file is read. On a failure the reader holds what was read before it.
platform::IoStatus ReadThemeStoreFile(const std::wstring& path, ThemeStoreReader& reader);

// A colour value of a theme file: "&H" and hex digits as 32 bits, else a decimal
// number rounded half to even, else 0; blanks, tabs and line feeds are ignored.
Color ThemeStoreColorValue(std::wstring_view value);
