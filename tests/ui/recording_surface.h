#pragma once
// A preview surface that only records what was drawn on it, so a test can tell whether
// the preview was redrawn and with which colours: it compares the record with what
// RedrawPreview draws for those colours on a fresh surface.
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "settings/color_slots.h"
#include "ui/drawing_record.h"
#include "ui/layout.h"
#include "ui/preview.h"

class RecordingSurface : public DrawingCallRecorder {
 public:
  int Width() const override { return PreviewSize().width; }
  int Height() const override { return PreviewSize().height; }

  // The language the window draws the preview's texts in.
  void SetLanguage(Language language) { language_ = language; }

  // The drawing since the last call is exactly one whole redraw with these colours.
  ::testing::AssertionResult TakeOneRedrawShowing(const ColorArray& colors) { return TakeRedrawsShowing({colors}); }

  // The drawing since the last call is exactly these whole redraws, in this order.
  ::testing::AssertionResult TakeRedrawsShowing(const std::vector<ColorArray>& colorsOfEach) {
    std::vector<DrawingCall> drawn;
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
  // Every call since the last Take or Discard.
  const std::vector<DrawingCall>& Calls() const { return ops_; }

  // Nothing was drawn since the last call.
  ::testing::AssertionResult TakeNothingDrawn() {
    std::vector<DrawingCall> drawn;
    drawn.swap(ops_);
    if (drawn.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << drawn.size() << " drawing operations";
  }

 private:
  void Record(DrawingCall call) override { ops_.push_back(std::move(call)); }

  std::vector<DrawingCall> ops_;
  Language language_ = Language::Japanese;
};
