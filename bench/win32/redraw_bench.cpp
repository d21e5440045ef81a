// How long the whole preview redraw takes on the Windows drawing surface: the
// preview's picture box, shown on the screen at 96 and at 144 DPI, redrawn with two
// colour sets in turn. "draw" is RedrawPreview into the surface's bitmap; "shown" adds
// the picture box painting the new picture on the screen. Runs under Wine; prints one
// table.
#include "ui/win32/win32.h"

#include <cstdio>
#include <vector>

#include "bench/win32/bench_support.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "ui/layout.h"
#include "ui/preview.h"
#include "ui/win32/dpi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/picture_box.h"

namespace {

constexpr UINT kDpis[] = {96, 144};
constexpr double kBudgetMs = 2.0;

struct Timing {
  double drawMs;
  double shownMs;
};

Timing MeasureAt(UINT dpi, int redraws) {
  const ControlSpec& spec = *FindControl(Form1Controls(), ControlName::Picture1);
  const RECT rect = TwipsToPixels(spec.rect, dpi);
  WindowFonts fonts(dpi, Language::Japanese);
  PictureBox picture(spec.rect.width, spec.rect.height);
  PictureBox::RegisterClass();
  const HWND window = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW, PictureBox::kClassName, L"",
                                      WS_POPUP | WS_VISIBLE, 0, 0, rect.right - rect.left,
                                      rect.bottom - rect.top, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), &picture);
  picture.FitBitmap(dpi, fonts.Default());
  UpdateWindow(window);

  // Two pictures in turn, so that every redraw changes what is shown.
  SettingsRecord standard;
  SetStandardColors(standard);
  ColorArray inverted = standard.Colors;
  for (Color& color : inverted) color ^= 0xFFFFFF;
  const ColorArray* colours[] = {&standard.Colors, &inverted};

  std::vector<double> draw, shown;
  GdiSurface& surface = picture.Surface();
  for (int i = -redraws / 10; i < redraws; ++i) {  // the first tenth warms up
    const double start = NowMs();
    RedrawPreview(surface, *colours[(i + redraws) % 2]);
    const double drawn = NowMs();
    UpdateWindow(window);
    GdiFlush();
    const double painted = NowMs();
    if (i < 0) continue;
    draw.push_back(drawn - start);
    shown.push_back(painted - start);
  }
  DestroyWindow(window);
  return {Median(draw), Median(shown)};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int redraws = IntArgument(argc, argv, L"--redraws", 400);
  std::vector<Timing> timings;
  for (UINT dpi : kDpis) timings.push_back(MeasureAt(dpi, redraws));

  std::printf(
      "Preview redraw on the GDI surface under Wine, median of %d redraws: draw = RedrawPreview\n"
      "into the bitmap; shown = draw and the picture box painting it on the screen.\n\n",
      redraws);
  std::printf("%6s %9s %9s %12s %12s %10s\n", "dpi", "draw ms", "shown ms", "draw/2 ms", "shown/2 ms",
              "x 96 dpi");
  for (std::size_t i = 0; i < timings.size(); ++i) {
    const Timing& t = timings[i];
    std::printf("%6u %9.3f %9.3f %11.2fx %11.2fx %9.2fx\n", kDpis[i], t.drawMs, t.shownMs,
                t.drawMs / kBudgetMs, t.shownMs / kBudgetMs, t.shownMs / timings[0].shownMs);
  }
  std::printf("\nGoal: shown/2 ms at most 1.00x at 96 and at 144 dpi.\n");
  return 0;
}
