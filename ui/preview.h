#pragma once
// The piano-roll preview: a pure function of the current colours.
#include <string>

#include "settings/color_slots.h"
#include "ui/preview_surface.h"
#include "ui/texts.h"

// A new picture of DrawRoll then DrawSampleNotes: repaints the whole of it. The sample
// phrase's syllables are written as a singer of the language reads them (ど or do).
void RedrawPreview(PreviewSurface& surface, const ColorArray& colors,
                   Language language = Language::Japanese);
void DrawRoll(PreviewSurface& surface, const ColorArray& colors);
void DrawSampleNotes(PreviewSurface& surface, const ColorArray& colors,
                     Language language = Language::Japanese);
void DrawNote(PreviewSurface& surface, float x, float r, float w, const std::wstring& text,
              Color textColor, Color fillColor);
