#pragma once
// The two fonts of the windows: the fields' Gothic face and the user-interface font of
// every other control and of the preview's texts. Both are made per window at the
// window's DPI and made again when the DPI changes.
#include "ui/win32/win32.h"

#include <string>

#include "ui/layout.h"
#include "ui/win32/handles.h"

struct FontChoice {
  std::wstring face;
  int pixelHeightAt96Dpi;  // character height in pixels at 96 DPI
};

// "ＭＳ ゴシック" when installed, otherwise the first fixed-pitch face with Japanese
// characters, 9 point.
const FontChoice& FieldFontChoice();

// The face these layouts were measured with ("ＭＳ Ｐゴシック") when installed, then
// "MS UI Gothic", then the system's message face, then any proportional face with
// Japanese characters; 9 point, or a pixel smaller until every label and button
// caption of both windows fits its control at 96 DPI.
const FontChoice& DefaultFontChoice();

// Whether a face of this name is installed with this character set.
bool FontFaceInstalled(const std::wstring& face, BYTE charset);

LOGFONTW FontAt(const FontChoice& choice, UINT dpi);

class WindowFonts {
 public:
  explicit WindowFonts(UINT dpi);
  HFONT For(ControlFont font) const;
  HFONT Default() const { return default_.Get(); }

 private:
  UniqueFont default_;
  UniqueFont gothic_;
};

// Width of the text in pixels at 96 DPI with this font choice.
int TextWidthAt96Dpi(const FontChoice& choice, const std::wstring& text);
