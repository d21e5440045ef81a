#pragma once
// A preview surface that only records what was drawn on it, so a test can tell whether
// the preview was redrawn and with which colours: it compares the record with what
// RedrawPreview draws for those colours on a fresh surface.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/color_slots.h"
#include "ui/preview.h"
#include "ui/preview_surface.h"

struct SurfaceOp {
  enum Kind { Fill, Outline, Line, TextColor, Text };
  Kind kind;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = 0;
  std::wstring text;
  bool operator==(const SurfaceOp&) const = default;
};

class RecordingSurface : public PreviewSurface {
 public:
  int Width() const override { return 7395; }
  int Height() const override { return 3675; }
  void FillRect(int x1, int y1, int x2, int y2, Color color) override { ops_.push_back({SurfaceOp::Fill, x1, y1, x2, y2, color, {}}); }
  void OutlineRect(int x1, int y1, int x2, int y2, Color color) override {
    ops_.push_back({SurfaceOp::Outline, x1, y1, x2, y2, color, {}});
  }
  void Line(int x1, int y1, int x2, int y2, Color color) override { ops_.push_back({SurfaceOp::Line, x1, y1, x2, y2, color, {}}); }
  void SetTextColor(Color color) override { ops_.push_back({SurfaceOp::TextColor, 0, 0, 0, 0, color, {}}); }
  void DrawText(int x, int y, const std::wstring& text) override { ops_.push_back({SurfaceOp::Text, x, y, 0, 0, 0, text}); }

  // The language the window draws the preview's texts in.
  void SetLanguage(Language language) { language_ = language; }
  const std::vector<SurfaceOp>& Ops() const { return ops_; }

  // The drawing since the last call is exactly one whole redraw with these colours.
  ::testing::AssertionResult TakeOneRedrawShowing(const ColorArray& colors) { return TakeRedrawsShowing({colors}); }

  // The drawing since the last call is exactly these whole redraws, in this order.
  ::testing::AssertionResult TakeRedrawsShowing(const std::vector<ColorArray>& colorsOfEach) {
    std::vector<SurfaceOp> drawn;
    drawn.swap(ops_);
    RecordingSurface reference;
    for (const ColorArray& colors : colorsOfEach) RedrawPreview(reference, colors, language_);
    if (reference.ops_.empty()) return ::testing::AssertionFailure() << "RedrawPreview draws nothing";
    if (drawn == reference.ops_) return ::testing::AssertionSuccess();
    if (drawn.empty()) return ::testing::AssertionFailure() << "the preview was not redrawn";
    return ::testing::AssertionFailure() << drawn.size() << " drawing operations where " << colorsOfEach.size()
                                         << " redraw(s) with the expected colours make " << reference.ops_.size();
  }

  void DiscardDrawing() { ops_.clear(); }

  // Nothing was drawn since the last call.
  ::testing::AssertionResult TakeNothingDrawn() {
    std::vector<SurfaceOp> drawn;
    drawn.swap(ops_);
    if (drawn.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << drawn.size() << " drawing operations";
  }

 private:
  std::vector<SurfaceOp> ops_;
  Language language_ = Language::Japanese;
};
