#pragma once
// Reads the lines of a theme store one at a time into themes. The line-list entry
// point and the file loader both feed it, so they cannot read differently.
#include <string>
#include <string_view>
#include <utility>

#include "platform/text_file.h"
#include "settings/color_slots.h"
#include "themes/theme.h"

// Which sections become themes. A file for the store or File > load keeps every
// section; a file whose themes are added to the list (Theme > add, a drop) may be any
// text with "[...]" headings, such as a readme, so there a section counts only when
// one of its lines sets a colour or the title.
enum class SectionsTaken { All, OnlyThoseSettingAValue };

class ThemeStoreReader {
 public:
  // The themes read are appended to `start` (the loader puts entry 0 there).
  explicit ThemeStoreReader(ThemeList start = {}, SectionsTaken taken = SectionsTaken::All)
      : themes_(std::move(start)), firstSection_(themes_.size()), taken_(taken) {}

  // One line without its line end (a lone LF inside it is part of it).
  void ReadLine(std::wstring_view line);

  // `start` followed by the themes read, in file order.
  ThemeList TakeThemes() {
    DropSectionSettingNothing();
    return std::move(themes_);
  }

 private:
  // The last section read, when it set nothing and such sections are not taken.
  void DropSectionSettingNothing();

  ThemeList themes_;
  std::size_t firstSection_;
  SectionsTaken taken_;
  int expectedSlot_ = 0;
  bool sectionSetAValue_ = false;
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
  platform::LineSplitter lines_{platform::LineEnds::CrLfCrOrLf};
  platform::UnicodeSniffer unicode_;
  std::wstring wide_;  // one buffer for every line
};

// Feeds every line of a file's bytes to the reader, as ThemeStoreBytesReader does.
void ReadThemeStoreBytes(std::string_view bytes, ThemeStoreReader& reader);

// A colour value of a theme file: "&H" and hex digits as 32 bits, else a decimal
// number rounded half to even, else 0; blanks, tabs and line feeds are ignored.
Color ThemeStoreColorValue(std::wstring_view value);
