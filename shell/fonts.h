#pragma once

namespace tawen {

// Maps the font faces the windows ask for (宋体, 黑体, Arial, ...) to the free
// faces of this system, and picks the program's default CJK font.
void installFonts();

// Adds the phonetic face that ships with the program (Dfhgwprn.ttf). Only the
// study windows show phonetics, so the first window need not wait for it.
void addPhoneticFace();

}  // namespace tawen
