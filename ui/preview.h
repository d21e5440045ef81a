#pragma once
// The piano-roll preview: a pure function of the current colours.
#include <string>

#include "settings/color_slots.h"
#include "ui/preview_surface.h"

// A new picture of DrawRoll then DrawSampleNotes: repaints the whole of it.
void RedrawPreview(PreviewSurface& surface, const ColorArray& colors);
void DrawRoll(PreviewSurface& surface, const ColorArray& colors);
void DrawSampleNotes(PreviewSurface& surface, const ColorArray& colors);
void DrawNote(PreviewSurface& surface, float x, float r, float w, const std::wstring& text,
              Color textColor, Color fillColor);
