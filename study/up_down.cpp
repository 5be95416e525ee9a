#include "study/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tawen {

namespace {

QToolButton* arrow(Qt::ArrowType direction, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(direction);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(18);
    return button;
}

}  // namespace

UpDown::UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QToolButton* up = arrow(Qt::UpArrow, this);
    QToolButton* down = arrow(Qt::DownArrow, this);
    column->addWidget(up);
    column->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::stepDown);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void UpDown::step(int delta) {
    // Text that is not a number counts as 0, as everywhere the boxes are read.
    bool ok = false;
    const double shown = buddy_.text().trimmed().toDouble(&ok);
    const int current = ok && std::isfinite(shown)
                            ? int(std::clamp(std::round(shown), double(minimum_), double(maximum_)))
                            : 0;
    buddy_.setText(QString::number(std::clamp(current + delta, minimum_, maximum_)));
}

}  // namespace tawen
