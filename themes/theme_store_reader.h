#pragma once
// Reads the lines of a theme store one at a time into themes. The line-list entry
// point and the file loader both feed it, so they cannot read differently.
#include <string>
#include <string_view>
#include <utility>

#include "platform/text_file.h"
#include "settings/color_slots.h"
#include "themes/theme.h"

// Which sections of a file become themes.
enum class ThemeSections {
  All,  // every "[...]" line starts one: the store, and File > load
  // Only a section with a line that sets a colour or the title: a file added to the
  // list may be a readme whose headings ("[使い方]") would otherwise become black themes.
  SettingAValue,
};

class ThemeStoreReader {
 public:
  // The themes read are appended to `start` (the loader puts entry 0 there).
  explicit ThemeStoreReader(ThemeList start = {}, ThemeSections sections = ThemeSections::All)
      : themes_(std::move(start)), firstSection_(themes_.size()), sections_(sections) {}

  // One line without its line end (a lone LF inside it is part of it).
  void ReadLine(std::wstring_view line);

  // `start` followed by the themes read, in file order.
  ThemeList TakeThemes() {
    DropSectionWithoutValues();
    return std::move(themes_);
  }

 private:
  // The section read last, when it set nothing and such sections are no themes.
  void DropSectionWithoutValues();

  ThemeList themes_;
  std::size_t firstSection_;
  ThemeSections sections_;
  int expectedSlot_ = 0;
  bool sectionSetsValue_ = false;
};

// Feeds the reader the lines of a theme file whose bytes arrive in pieces, as a file is
// read, each line converted from the code page.
class ThemeStoreBytesReader {
 public:
  explicit ThemeStoreBytesReader(ThemeStoreReader& reader) : reader_(reader) {}
  void Feed(std::string_view piece);
  // After the last piece: the last line, if it has no line end.
  void Finish();
  // Whether the lines fed were Unicode text rather than the code page's.
  platform::UnicodeText Unicode() const { return unicode_.Encoding(); }

 private:
  void ReadLine(std::string_view line);

  ThemeStoreReader& reader_;
  platform::LineSplitter lines_;
  platform::UnicodeSniffer unicode_;
  std::wstring wide_;  // one buffer for every line
};

// Feeds every line of a file's bytes to the reader, as ThemeStoreBytesReader does.
void ReadThemeStoreBytes(std::string_view bytes, ThemeStoreReader& reader);

// A colour value of a theme file: "&H" and hex digits as 32 bits, else a decimal
// number rounded half to even, else 0; blanks, tabs and line feeds are ignored.
Color ThemeStoreColorValue(std::wstring_view value);
