#include "library/test_summary.h"

#include <QStringList>

#include <algorithm>

namespace tawen {

QString testSummaryText(int words, int errors, double wordsPerMinute) {
    // A test always covers at least one word; a zero count would only come
    // from a caller's slip and is shown as nothing right.
    // Words added by hand count as errors too, so there can be more errors
    // than words: the share right then stays at nothing.
    const double right = words > 0 ? std::max(0.0, double(words - errors) / words) : 0.0;
    const QStringList lines = {
        QStringLiteral("共有：%1个单词").arg(words),
        QStringLiteral("错误：%1个单词").arg(errors),
        QStringLiteral("正确率：%1%").arg(right * 100, 0, 'f', 2),
        // Whole words a minute, a half rounded up.
        QStringLiteral("速度：%1个/分钟").arg(wordsPerMinute, 0, 'f', 0),
        QString(),
        QStringLiteral("[添加]键添加答对却感觉没有把握的单词；"),
        QStringLiteral("[保存]键把打钩的单词增加到自己个人专用生词库中；"),
        QStringLiteral("[取消]键直接退出错误表。"),
    };
    return lines.join(u'\n');
}

}  // namespace tawen
