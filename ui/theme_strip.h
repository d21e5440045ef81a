#pragma once
// The theme strip: the row of framed swatches List1 draws before each entry's name, so
// that themes can be told apart before one is chosen. Which colours it shows and where
// each swatch lies are decided here, in pixels at the window's DPI; the Windows toolkit
// only fills the boxes (ui/win32/theme_strip.h), and the tests find the swatches on the
// screen by the same boxes.
#include <array>

#include "settings/color_slots.h"
#include "ui/drawing_rules.h"

// The slots the strip shows, left to right: first what covers most of the preview (the
// roll's light lanes, then the white and the black keys), then the two notes a user
// looks for on the roll, a plain one and a selected one.
inline constexpr std::array<ColorSlot, 5> kThemeStripSlots = {
    COLOR_ROLL1, COLOR_PIANO1, COLOR_PIANO2, COLOR_NOTE_NOR, COLOR_NOTE_SEL,
};
using ThemeStripColors = std::array<Color, kThemeStripSlots.size()>;

// Where the strip lies in an entry, in pixels from the entry's top-left corner.
struct ThemeStripLayout {
  // The whole strip with its frame lines: filled in the frame's colour first, so that
  // each swatch stands in a frame of its own, also beside an equal neighbour.
  PixelBox frame;
  // The colour inside each frame, left to right.
  std::array<PixelBox, kThemeStripSlots.size()> swatches;
  // Where the entry's name begins.
  int textLeft;
};

// The strip of an entry `itemHeight` pixels high at this DPI. Its width follows the
// DPI alone; its height follows the entry, which the list's font decides.
ThemeStripLayout PlaceThemeStrip(int itemHeight, int dpi);

// The colours the swatches show for a theme with these colours, drawn as the preview
// draws them.
ThemeStripColors StripColorsOf(const ColorArray& colors);

// The frame's colour on an entry drawn in this text colour on this background: halfway
// between the two, so that it stands apart from the background (and a swatch of the
// background's own colour stays visible) in any colour scheme the system has, while it
// draws less attention than the name does.
Color ThemeStripFrameColor(Color text, Color background);
