#pragma once

namespace tawen {

// Maps the font faces the windows ask for (宋体, 黑体, Arial, ...) to the free
// faces of this system, and picks the program's default CJK font.
void installFonts();

}  // namespace tawen
