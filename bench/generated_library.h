#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A full-size course for the benchmarks: 32,766 lines of word, Chinese meaning
// and IPA phonetic, the same bytes on every run so figures compare.
namespace tawen::bench {

QByteArray generatedPlaintext();

// A program root in a temporary folder holding the generated course,
// enciphered, as Word/<code>.twn.
class GeneratedLibrary {
  public:
    static inline const QString Code = QStringLiteral("generated");

    GeneratedLibrary();

    QString root() const { return dir_.path(); }
    qsizetype size() const { return size_; }

  private:
    QTemporaryDir dir_;
    qsizetype size_ = 0;
};

}  // namespace tawen::bench
