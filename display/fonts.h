// The window's fonts are named as designed ("MS Sans Serif", "Courier New");
// where those are missing, fonts of about the same width stand in for them.
#pragma once

void InstallFontSubstitutes();
