#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tawen {

// A pair of arrow buttons beside a text box (its buddy), the classic stepper:
// each press takes the box's number, adds or subtracts one and writes it back,
// kept within the bounds. The box keeps whatever text it is given otherwise,
// so a value read from a settings file shows as it was stored.
class UpDown final : public QWidget {
    Q_OBJECT
  public:
    UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

  private:
    void step(int delta);

    QLineEdit& buddy_;
    int minimum_;
    int maximum_;
};

}  // namespace tawen
