#pragma once
// The calls made on a PreviewSurface, as one kind of record. The Windows surface keeps
// those of the picture it shows, to paint it again at a new DPI; the tests' recording
// surface keeps all of them, to compare a redraw with what RedrawPreview draws.
#include <string>

#include "settings/color_slots.h"
#include "ui/preview_surface.h"

struct DrawingCall {
  enum class Kind { BeginPicture, Fill, Outline, Line, TextColor, Text };
  Kind kind = Kind::BeginPicture;
  // Twips, as given: the two corners or ends, or a text's position in (x1, y1).
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  Color color = 0;  // all 32 bits, as given
  std::wstring text;

  bool operator==(const DrawingCall&) const = default;
};

// A PreviewSurface that passes each call on to Record() as a DrawingCall.
class DrawingCallRecorder : public PreviewSurface {
 public:
  void BeginPicture() final { Record({DrawingCall::Kind::BeginPicture, 0, 0, 0, 0, 0, {}}); }
  void FillRect(int x1, int y1, int x2, int y2, Color color) final {
    Record({DrawingCall::Kind::Fill, x1, y1, x2, y2, color, {}});
  }
  void OutlineRect(int x1, int y1, int x2, int y2, Color color) final {
    Record({DrawingCall::Kind::Outline, x1, y1, x2, y2, color, {}});
  }
  void Line(int x1, int y1, int x2, int y2, Color color) final {
    Record({DrawingCall::Kind::Line, x1, y1, x2, y2, color, {}});
  }
  void SetTextColor(Color color) final { Record({DrawingCall::Kind::TextColor, 0, 0, 0, 0, color, {}}); }
  void DrawText(int x, int y, const std::wstring& text) final {
    Record({DrawingCall::Kind::Text, x, y, 0, 0, 0, text});
  }

 protected:
  ~DrawingCallRecorder() = default;
  virtual void Record(DrawingCall call) = 0;
};
