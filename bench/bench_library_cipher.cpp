// Our cipher against OpenSSL's RC4 (legacy provider) on the same buffers, with
// the ratio of their throughputs printed at the end.

#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <QByteArray>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "library/library_cipher.h"

namespace {

using tawen::LibraryCipher;

constexpr std::string_view Key = LibraryCipher::CourseKey;

QByteArray bufferOf(benchmark::State& state) {
    QByteArray data(state.range(0), '\0');
    for (qsizetype n = 0; n < data.size(); ++n) data[n] = char(n * 131 + 7);
    return data;
}

void reportBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void LibraryCipherApply(benchmark::State& state) {
    QByteArray data = bufferOf(state);
    for (auto _ : state) {
        LibraryCipher::apply(data, Key);
        benchmark::ClobberMemory();
    }
    reportBytes(state);
}

// RC4 lives in OpenSSL 3's legacy provider; the default one is loaded beside it.
class OpenSslRc4 {
  public:
    OpenSslRc4()
        : legacy_(OSSL_PROVIDER_load(nullptr, "legacy")),
          default_(OSSL_PROVIDER_load(nullptr, "default")),
          cipher_(EVP_CIPHER_fetch(nullptr, "RC4", nullptr)),
          context_(EVP_CIPHER_CTX_new()) {
        if (!legacy_ || !default_ || !cipher_ || !context_) {
            throw std::runtime_error("OpenSSL RC4 is not available");
        }
    }
    ~OpenSslRc4() {
        EVP_CIPHER_CTX_free(context_);
        EVP_CIPHER_free(cipher_);
        OSSL_PROVIDER_unload(default_);
        OSSL_PROVIDER_unload(legacy_);
    }
    OpenSslRc4(const OpenSslRc4&) = delete;
    OpenSslRc4& operator=(const OpenSslRc4&) = delete;

    // Keyed afresh on every call, as our cipher is.
    void apply(QByteArray& data, std::string_view key) {
        const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
        auto* bytes = reinterpret_cast<unsigned char*>(data.data());
        int written = 0;
        if (!EVP_EncryptInit_ex2(context_, cipher_, nullptr, nullptr, nullptr) ||
            !EVP_CIPHER_CTX_set_key_length(context_, int(key.size())) ||
            !EVP_EncryptInit_ex2(context_, nullptr, keyBytes, nullptr, nullptr) ||
            !EVP_EncryptUpdate(context_, bytes, &written, bytes, int(data.size()))) {
            throw std::runtime_error("OpenSSL RC4 failed");
        }
    }

  private:
    OSSL_PROVIDER* legacy_;
    OSSL_PROVIDER* default_;
    EVP_CIPHER* cipher_;
    EVP_CIPHER_CTX* context_;
};

void OpenSslRc4Apply(benchmark::State& state) {
    OpenSslRc4 rc4;
    QByteArray data = bufferOf(state);
    for (auto _ : state) {
        rc4.apply(data, Key);
        benchmark::ClobberMemory();
    }
    reportBytes(state);
}

BENCHMARK(LibraryCipherApply)->Arg(1 << 20)->Arg(32 << 20);
BENCHMARK(OpenSslRc4Apply)->Arg(1 << 20)->Arg(32 << 20);

// Prints the usual table and remembers each run's throughput by buffer size.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            const auto rate = run.counters.find("bytes_per_second");
            if (slash == std::string::npos || rate == run.counters.end()) continue;
            rates_[name.substr(slash + 1)][name.substr(0, slash)] = rate->second.value;
        }
    }

    void printRatios() const {
        for (const auto& [size, byName] : rates_) {
            const auto ours = byName.find("LibraryCipherApply");
            const auto theirs = byName.find("OpenSslRc4Apply");
            if (ours == byName.end() || theirs == byName.end()) continue;
            std::printf("buffer %s bytes: ours / OpenSSL = %.2f\n", size.c_str(),
                        ours->second / theirs->second);
        }
    }

  private:
    std::map<std::string, std::map<std::string, double>> rates_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
