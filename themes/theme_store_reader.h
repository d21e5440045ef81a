#pragma once
// Reads the lines of a theme store one at a time into named themes. The line-list
// entry point and the file loader both feed it, so they cannot read differently.
#include <string_view>
#include <vector>

#include "settings/color_slots.h"
#include "themes/theme.h"

class ThemeStoreReader {
 public:
  // One line without its line end (a lone LF inside it is part of it).
  void ReadLine(std::wstring_view line);

  // The themes read so far, in file order; the reader is empty afterwards.
  std::vector<Theme> TakeThemes();

 private:
  std::vector<Theme> themes_;
};

// A colour value of a theme file: "&H" and hex digits as 32 bits, else a decimal
// number rounded half to even, else 0; blanks, tabs and line feeds are ignored.
Color ThemeStoreColorValue(std::wstring_view value);
