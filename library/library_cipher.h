#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <string_view>

namespace tawen {

// RC4 over a whole word file held in memory. The same call enciphers and
// deciphers. The state lives for the whole run and is shared by every caller,
// so a call with an empty key carries on with the key stream the previous call
// left off; any other key starts a fresh stream from the file's first byte.
class LibraryCipher {
  public:
    // Built-in course files, the personal library, and the personal library's backups.
    static constexpr std::string_view CourseKey = "Q7vorTa";
    static constexpr std::string_view PersonalKey = "K4nesUd";
    static constexpr std::string_view BackupKey = "R3bilWo";

    // Every byte of data is combined with the key stream in place. The key's
    // characters are taken as single bytes.
    static void apply(QByteArray& data, std::string_view key);

  private:
    struct State {
        // 32-bit cells: loads and stores of whole words are faster than bytes.
        std::array<std::uint32_t, 256> s{};
        std::uint32_t i = 0;
        std::uint32_t j = 0;
    };

    static State& shared();
    static void rekey(State& state, std::string_view key);
    static void combine(State& state, unsigned char* data, qsizetype size);
};

}  // namespace tawen
