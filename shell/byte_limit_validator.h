#pragma once

#include <QValidator>

namespace tawen {

// Keeps a line of text within a number of GB18030 bytes, the width of a
// stored field, cutting typed or pasted text at a character boundary.
class ByteLimitValidator final : public QValidator {
  public:
    ByteLimitValidator(qsizetype maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

  private:
    qsizetype maxBytes_;
};

}  // namespace tawen
