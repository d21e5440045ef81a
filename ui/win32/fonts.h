#pragma once
// The two fonts of the windows: the fields' Gothic face and the user-interface font of
// every other control and of the preview's texts. Both are made per window at the
// window's DPI and made again when the DPI changes. The faces follow the interface
// language: Japanese faces for Japanese texts, the system's own for English ones.
#include "ui/win32/win32.h"

#include <string>

#include "ui/layout.h"
#include "ui/win32/handles.h"

struct FontChoice {
  std::wstring face;       // empty: the one the system's font mapper picks
  int pixelHeightAt96Dpi;  // character height in pixels at 96 DPI
  BYTE charset;
  BYTE pitchAndFamily;     // what the font mapper is asked for when no face is named
};

// Japanese: "ＭＳ ゴシック" when installed, otherwise the first fixed-pitch face with
// Japanese characters. English: Consolas, Courier New or Lucida Console, whichever is
// installed first, otherwise the system's fixed-pitch face. 9 point.
const FontChoice& FieldFontChoice(Language language);

// Japanese: the face these layouts were measured with ("ＭＳ Ｐゴシック") when
// installed, then "MS UI Gothic", then the system's message face, then any
// proportional face with Japanese characters. English: the system's message face.
// 9 point, or a pixel smaller until every label and button caption of both windows
// fits its control at 96 DPI.
const FontChoice& DefaultFontChoice(Language language);

// Whether a face of this name is installed with this character set.
bool FontFaceInstalled(const std::wstring& face, BYTE charset);

LOGFONTW FontAt(const FontChoice& choice, UINT dpi);

class WindowFonts {
 public:
  WindowFonts(UINT dpi, Language language);
  HFONT For(ControlFont font) const;
  HFONT Default() const { return default_.Get(); }

 private:
  UniqueFont default_;
  UniqueFont gothic_;
};

// Width of the text in pixels at 96 DPI with this font choice.
int TextWidthAt96Dpi(const FontChoice& choice, const std::wstring& text);
