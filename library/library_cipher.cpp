#include "library/library_cipher.h"

#include <numeric>
#include <utility>

namespace tawen {

LibraryCipher::State& LibraryCipher::shared() {
    static State state;
    return state;
}

void LibraryCipher::rekey(State& state, std::string_view key) {
    std::iota(state.s.begin(), state.s.end(), 0u);
    std::uint32_t j = 0;
    for (std::uint32_t i = 0; i < 256; ++i) {
        const auto keyByte = static_cast<unsigned char>(key[i % key.size()]);
        j = (j + state.s[i] + keyByte) & 0xFF;
        std::swap(state.s[i], state.s[j]);
    }
    state.i = 0;
    state.j = 0;
}

void LibraryCipher::combine(State& state, unsigned char* data, qsizetype size) {
    // Working on locals lets the compiler keep the indices in registers.
    std::uint32_t* s = state.s.data();
    std::uint32_t i = state.i;
    std::uint32_t j = state.j;
    for (qsizetype n = 0; n < size; ++n) {
        i = (i + 1) & 0xFF;
        const std::uint32_t si = s[i];
        j = (j + si) & 0xFF;
        const std::uint32_t sj = s[j];
        s[i] = sj;
        s[j] = si;
        data[n] ^= static_cast<unsigned char>(s[(si + sj) & 0xFF]);
    }
    state.i = i;
    state.j = j;
}

void LibraryCipher::apply(QByteArray& data, std::string_view key) {
    State& state = shared();
    if (!key.empty()) rekey(state, key);
    combine(state, reinterpret_cast<unsigned char*>(data.data()), data.size());
}

}  // namespace tawen
