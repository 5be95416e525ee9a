#include "study/consolidation_rules.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tawen {

namespace {

constexpr int kDefaultMisses = 3;
constexpr double kDefaultSeconds = 3;
// Only the first 23 characters are compared one by one; past them the rest
// of the answer is simply shown.
constexpr int kComparedCharacters = 23;

// Character k of a text, counted from 1; past the end, nothing.
QString characterAt(const QString& text, int k) {
    return k >= 1 && k <= text.size() ? QString(text.at(k - 1)) : QString();
}

// Letters are only the plain ASCII ones: a Chinese or full-width character is
// neither upper nor lower case.
bool isUpper(const QString& c) { return c.size() == 1 && c[0] >= u'A' && c[0] <= u'Z'; }
bool isLower(const QString& c) { return c.size() == 1 && c[0] >= u'a' && c[0] <= u'z'; }

QString letterHint(int k, const QString& c) {
    return QStringLiteral("3.第") + QString::number(k) + QStringLiteral("个字母是：") + c + u';';
}

const QString kCaseHint = QStringLiteral("3.注意区分大小写字母;");

// The number a box begins with, as the boxes have always been read ("2次"
// reads 2); nothing when the text does not begin with one.
std::optional<double> leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    return match.captured().toDouble();
}

int clampToInt(double value) {
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return int(std::clamp(value, low, high));
}

}  // namespace

QString lengthLine(const QString& answer) {
    return QStringLiteral("2.长度为：") + QString::number(answer.trimmed().size()) +
           QStringLiteral("字节;");
}

MissVerdict judgeMiss(int miss, int allowed, bool hints, const QString& typed,
                      const QString& answer) {
    MissVerdict verdict;
    const auto pointOrSelect = [&verdict, hints] {
        verdict.pointOut = hints;
        verdict.selectAll = !hints;
    };
    // The cases are taken in this order: the first that applies wins.
    if (miss == allowed) {
        verdict.prompt = QStringLiteral("1.连错") + QString::number(allowed) +
                         QStringLiteral("次！正确的答案是：") + answer;
        pointOrSelect();
        if (allowed == 1) {
            verdict.showLength = true;
            verdict.prompt = QStringLiteral("1.正确的答案是：") + answer;
        }
        verdict.record = true;
    } else if (miss == allowed + 1) {
        verdict.prompt = QStringLiteral("1.真粗心！又错了！正确的答案是：") + answer;
        pointOrSelect();
    } else if (miss > allowed + 1) {
        verdict.prompt = QStringLiteral("1.太糟糕了！发生什么事？正确的答案是：") + answer;
        pointOrSelect();
    } else if (miss == 1) {
        verdict.prompt = QStringLiteral("1.不对啊！再想想。");
        if (!hints) return verdict;
        verdict.showLength = true;
        if (typed.trimmed().size() != answer.trimmed().size())
            verdict.selectAll = true;
        else
            verdict.pointOut = true;
    } else {
        verdict.prompt = QStringLiteral("1.还是不对！再试一次。");
        pointOrSelect();
    }
    return verdict;
}

WrongCharacter pointAtFirstWrong(const QString& typed, const QString& answer) {
    for (int k = 1; k <= kComparedCharacters; ++k) {
        if (characterAt(typed, k) != characterAt(answer, k))
            return {characterHint(k, typed, answer), k - 1};
    }
    // An answer of 23 characters or fewer (blanks round it not counted) has
    // nothing left to show.
    const int rest = std::max(0, int(answer.trimmed().size()) - kComparedCharacters);
    return {QStringLiteral("3.最后部分是：") + answer.mid(kComparedCharacters, rest) + u';',
            kComparedCharacters};
}

QString characterHint(int k, const QString& typed, const QString& answer) {
    const QString c = characterAt(answer, k);
    const QString t = characterAt(typed, k);
    if (c.isEmpty()) return QStringLiteral("3.注意单词的长度。");
    if (isUpper(c)) return isLower(t) && t.toUpper() == c ? kCaseHint : letterHint(k, c);
    if (isLower(c)) return isUpper(t) ? kCaseHint : letterHint(k, c);
    if (c == u' ') return QStringLiteral("3.注意短语中的空格;");
    return QStringLiteral("3.注意短语中的符号;");
}

QString praise(int draw) {
    if (draw <= 2) return QStringLiteral("1.相信自己！");
    if (draw <= 5) return QStringLiteral("1.加油！");
    if (draw <= 7) return QStringLiteral("1.努力！");
    return QStringLiteral("1.很好！");
}

QString difficultyRemark(int length) {
    if (length <= 0) return {};
    if (length <= 3) return QStringLiteral("这个词您一定会的！");
    if (length <= 7) return QStringLiteral("这个词您是可以的，想想！");
    if (length <= 11) return QStringLiteral("这个词对您不难的，想一想！");
    return QStringLiteral("这个词有点难，认真想想！");
}

int allowedMisses(const QString& text) {
    return clampToInt(std::trunc(leadingNumber(text).value_or(kDefaultMisses)));
}

int readingInterval(const QString& text) {
    const double milliseconds = std::round(leadingNumber(text).value_or(kDefaultSeconds) * 1000);
    return std::max(0, clampToInt(milliseconds));
}

}  // namespace tawen
