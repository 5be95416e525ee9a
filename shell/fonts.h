#pragma once

class QWidget;

namespace tawen {

// Maps the font faces the windows ask for (宋体, 黑体, Arial, ...) to the free
// faces of this system, and picks the program's default CJK font.
void installFonts();

// Adds the phonetic face that ships with the program (Dfhgwprn.ttf) once
// `window` has first been painted: only the study windows show phonetics,
// and the first window need not wait for the face.
void addPhoneticFaceAfterPainting(QWidget& window);

}  // namespace tawen
