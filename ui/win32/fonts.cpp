#include "ui/win32/fonts.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "ui/win32/dpi.h"

namespace {

constexpr int kNinePointAt96Dpi = 12;
constexpr int kSmallestReadableHeight = 9;
// Room a push button's frame and focus rectangle take from its caption, at 96 DPI.
constexpr int kButtonFramePixels = 6;

struct FaceInfo {
  std::wstring face;
  BYTE pitch;
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  auto* faces = reinterpret_cast<std::vector<FaceInfo>*>(param);
  faces->push_back({font->lfFaceName, static_cast<BYTE>(font->lfPitchAndFamily & 3)});
  return 1;
}

std::vector<FaceInfo> FacesWithCharset(BYTE charset, const std::wstring& face = L"") {
  std::vector<FaceInfo> faces;
  WindowDC screen(nullptr);
  LOGFONTW query{};
  query.lfCharSet = charset;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  EnumFontFamiliesExW(screen.Get(), &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

// Vertical-writing variants ("@...") are of no use for horizontal captions.
std::wstring FirstHorizontalFace(BYTE charset, BYTE pitch) {
  for (const FaceInfo& info : FacesWithCharset(charset)) {
    if (info.pitch == pitch && !info.face.empty() && info.face[0] != L'@') return info.face;
  }
  return L"";
}

std::wstring SystemMessageFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return L"";
  return metrics.lfMessageFont.lfFaceName;
}

std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> faces, BYTE charset) {
  for (const wchar_t* face : faces) {
    if (FontFaceInstalled(face, charset)) return face;
  }
  return L"";
}

std::wstring ChooseDefaultFace() {
  const std::wstring messageFace = SystemMessageFace();
  for (const std::wstring& face : {std::wstring(L"ＭＳ Ｐゴシック"), std::wstring(L"MS UI Gothic"),
                                   messageFace}) {
    if (!face.empty() && FontFaceInstalled(face, kShiftJisCharset)) return face;
  }
  const std::wstring proportional = FirstHorizontalFace(kShiftJisCharset, VARIABLE_PITCH);
  return proportional.empty() ? messageFace : proportional;
}

bool CaptionsFit(const FontChoice& choice, Language language) {
  for (const auto& controls : {Form1Controls(language), InputBoxControls(language)}) {
    for (const ControlSpec& spec : controls) {
      int room = TwipsToPixels(spec.rect.width, kDefaultDpi);
      if (spec.kind == ControlKind::Button) {
        room -= kButtonFramePixels;
      } else if (spec.kind != ControlKind::Label) {
        continue;
      }
      if (TextWidthAt96Dpi(choice, spec.caption) > room) return false;
    }
  }
  return true;
}

FontChoice MakeDefaultFontChoice(Language language) {
  // An English window speaks in the face the system speaks in; the Japanese one keeps
  // the faces its layout was drawn with.
  FontChoice choice =
      language == Language::Japanese
          ? FontChoice{ChooseDefaultFace(), kNinePointAt96Dpi, kShiftJisCharset, VARIABLE_PITCH | FF_SWISS}
          : FontChoice{SystemMessageFace(), kNinePointAt96Dpi, DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS};
  while (choice.pixelHeightAt96Dpi > kSmallestReadableHeight && !CaptionsFit(choice, language)) {
    --choice.pixelHeightAt96Dpi;
  }
  return choice;
}

FontChoice MakeFieldFontChoice(Language language) {
  if (language != Language::Japanese) {
    return {FirstInstalledFace({L"Consolas", L"Courier New", L"Lucida Console"}, DEFAULT_CHARSET),
            kNinePointAt96Dpi, DEFAULT_CHARSET, FIXED_PITCH | FF_MODERN};
  }
  std::wstring face = kGothicFace;
  if (!FontFaceInstalled(face, kShiftJisCharset)) {
    face = FirstHorizontalFace(kShiftJisCharset, FIXED_PITCH);
  }
  return {face, kNinePointAt96Dpi, kShiftJisCharset, FIXED_PITCH | FF_MODERN};
}

UniqueFont CreateFontFor(const FontChoice& choice, UINT dpi) {
  const LOGFONTW font = FontAt(choice, dpi);
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

bool FontFaceInstalled(const std::wstring& face, BYTE charset) {
  // Asked by name, the system lists only that family, but under the name of the
  // user's language ("MS Gothic" on an English system for "ＭＳ ゴシック"): any
  // answer means it is there.
  return !FacesWithCharset(charset, face).empty();
}

const FontChoice& FieldFontChoice(Language language) {
  static const FontChoice japanese = MakeFieldFontChoice(Language::Japanese);
  static const FontChoice english = MakeFieldFontChoice(Language::English);
  return language == Language::Japanese ? japanese : english;
}

const FontChoice& DefaultFontChoice(Language language) {
  static const FontChoice japanese = MakeDefaultFontChoice(Language::Japanese);
  static const FontChoice english = MakeDefaultFontChoice(Language::English);
  return language == Language::Japanese ? japanese : english;
}

LOGFONTW FontAt(const FontChoice& choice, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(choice.pixelHeightAt96Dpi, static_cast<int>(dpi), kDefaultDpi);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = choice.charset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  choice.face.copy(font.lfFaceName, LF_FACESIZE - 1);
  if (choice.face.empty()) font.lfPitchAndFamily = choice.pitchAndFamily;
  return font;
}

int TextWidthAt96Dpi(const FontChoice& choice, const std::wstring& text) {
  WindowDC screen(nullptr);
  const LOGFONTW logFont = FontAt(choice, kDefaultDpi);
  UniqueFont font(CreateFontIndirectW(&logFont));
  SelectedObject selected(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

WindowFonts::WindowFonts(UINT dpi, Language language)
    : default_(CreateFontFor(DefaultFontChoice(language), dpi)),
      gothic_(CreateFontFor(FieldFontChoice(language), dpi)) {}

HFONT WindowFonts::For(ControlFont font) const {
  return font == ControlFont::Gothic ? gothic_.Get() : default_.Get();
}
