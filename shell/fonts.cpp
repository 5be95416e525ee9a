#include "shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "platform/paths.h"

namespace tawen {

namespace {

struct Substitution {
    const char* face;
    QStringList candidates;
};

}  // namespace

// When the shipped face is missing, the system's own copy of the same face
// stands in (see the substitutions below).
void ensurePhoneticFace() {
    static const bool added = [] {
        QFontDatabase::addApplicationFont(platform::SharedDir() + QStringLiteral("/Dfhgwprn.ttf"));
        return true;
    }();
    Q_UNUSED(added);
}

void installFonts() {
    const Substitution substitutions[] = {
        {"宋体", {"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"}},
        {"黑体", {"Noto Sans CJK SC", "WenQuanYi Micro Hei"}},
        {"仿宋_GB2312", {"AR PL UKai CN", "Noto Serif CJK SC"}},
        {"Arial", {"Liberation Sans"}},
        {"MS Serif", {"Liberation Serif"}},
        {"Comic Sans MS", {"Comic Neue"}},
        {"DFPhonetic", {"Doulos SIL"}},
    };
    for (const Substitution& row : substitutions)
        QFont::insertSubstitutions(QString::fromUtf8(row.face), row.candidates);

    QFont standard(QStringLiteral("Noto Sans CJK SC"));
    standard.setPointSize(10);
    QApplication::setFont(standard);
}

}  // namespace tawen
