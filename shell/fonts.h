#pragma once

namespace tawen {

// Maps the font faces the windows ask for (宋体, 黑体, Arial, ...) to the free
// faces of this system, and picks the program's default CJK font.
void installFonts();

// Adds the phonetic face that ships with the program (Dfhgwprn.ttf), once per
// run. The windows that show phonetics ask for it as they load; start-up adds
// it once the login window is up, so they seldom wait for it.
void ensurePhoneticFace();

}  // namespace tawen
