#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QSizePolicy>
#include <QString>
#include <QWidget>

// Small touches the windows give their controls, the same in every window.
namespace tawen {

// The blue the study windows write a word in.
inline const QColor kWordBlue(64, 112, 176);

// Colours a control's text in the enabled groups only, so that a disabled
// control still greys out as usual.
inline void setTextColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    control->setPalette(palette);
}

// Keeps a control's place in the layout while it is hidden, so the page does
// not jump as texts come and go.
template <class Control>
Control* steady(Control* control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
    return control;
}

// A control the learner never sees but the window's steps (or other
// windows) read and write.
template <class Control>
Control* offstage(Control* control) {
    control->hide();
    return control;
}

// The title at the left of a study window's field ("英文：", "中文："), at
// the height of the field's first line (AlignTop) or its middle.
inline QLabel* fieldTitle(const QString& caption, Qt::Alignment vertical) {
    auto* title = new QLabel(caption);
    title->setAlignment(Qt::AlignRight | vertical);
    QFont font = title->font();
    font.setPointSize(11);
    title->setFont(font);
    return title;
}

}  // namespace tawen
