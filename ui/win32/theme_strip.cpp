#include "ui/win32/theme_strip.h"

#include "ui/theme_strip.h"
#include "ui/win32/handles.h"

namespace {

// Fills a box given from the entry's top-left corner. The DC's own brush takes the
// colour, so drawing an entry creates no GDI object at all.
void FillInEntry(HDC dc, const RECT& entry, const PixelBox& box, Color color) {
  const RECT rect{entry.left + box.left, entry.top + box.top, entry.left + box.right, entry.top + box.bottom};
  SetDCBrushColor(dc, static_cast<COLORREF>(color));
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

void DrawThemeListEntry(const DRAWITEMSTRUCT& item, const std::wstring& name,
                        const std::optional<ColorArray>& colors, UINT dpi) {
  const HDC dc = item.hDC;
  const RECT& entry = item.rcItem;
  const bool focus = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
  // An empty list that has the focus shows the focus rectangle alone.
  if (item.itemID == static_cast<UINT>(-1)) {
    if (focus) DrawFocusRect(dc, &entry);
    return;
  }

  // The system's colours of a list entry, exactly as a plain list box takes them.
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  const COLORREF text = GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                    : selected                      ? COLOR_HIGHLIGHTTEXT
                                                                    : COLOR_WINDOWTEXT);
  const SavedDCState saved(dc);
  SetBkColor(dc, background);
  SetTextColor(dc, text);
  const ThemeStripLayout layout = PlaceThemeStrip(entry.bottom - entry.top, static_cast<int>(dpi));
  // One call paints the whole entry's background and its name, as a plain entry is
  // painted; every entry is drawn whole, so nothing of an earlier drawing stays.
  ExtTextOutW(dc, entry.left + layout.textLeft, entry.top, ETO_OPAQUE | ETO_CLIPPED, &entry, name.c_str(),
              static_cast<UINT>(name.size()), nullptr);
  if (colors) {
    FillInEntry(dc, entry, layout.frame,
                ThemeStripFrameColor(static_cast<Color>(text), static_cast<Color>(background)));
    const ThemeStripColors shown = StripColorsOf(*colors);
    for (std::size_t i = 0; i < shown.size(); ++i) FillInEntry(dc, entry, layout.swatches[i], shown[i]);
  }
  if (focus) DrawFocusRect(dc, &entry);
}
