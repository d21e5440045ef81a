#pragma once
// <windows.h> for the toolkit. Its DrawText macro would rename PreviewSurface::DrawText
// to DrawTextW in files that see the macro and not in the others; nothing here uses
// the macro (texts are drawn with TextOutW), so it goes.
#include <windows.h>

#ifdef DrawText
#undef DrawText
#endif
