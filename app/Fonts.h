#pragma once

// The window layouts name Windows faces (MS Sans Serif, Tahoma, Comic Sans
// MS, Arial Black, Courier New, Script); maps each to the closest free face
// that Debian packages, so labels keep their intended width.
void InstallFontSubstitutes();
