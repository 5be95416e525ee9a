// A course or personal library file as the loader meets it: deciphered, split
// into rows and read cell by cell, as the grid and the study windows read it.
#include <cstdint>
#include <cstdlib>

#include "library/library_cipher.h"
#include "library/library_files.h"
#include "library/word_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tawen;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const bool enciphered : {false, true}) {
        if (enciphered) LibraryCipher::apply(bytes, LibraryCipher::CourseKey);
        WordTable table;
        table.setWords(parseWordLines(bytes));
        if (table.Rows() != table.wordCount() + 1 || table.wordCount() > MaxWordRows) std::abort();
        for (int row = 0; row <= table.Rows(); ++row)
            for (int column = 0; column < WordTable::ColumnCount; ++column)
                (void)table.TextMatrix(row, column);
    }
    return 0;
}
