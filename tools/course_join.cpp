#include "tools/course_join.h"

#include <QSet>
#include <QStringList>

namespace tawen {

std::optional<CourseExtra> courseExtraNamed(const QString& name) {
    if (name == QLatin1String("synonyms")) return CourseExtra::Synonyms;
    if (name == QLatin1String("antonyms")) return CourseExtra::Antonyms;
    return std::nullopt;
}

namespace {

// The course's own addition to a meaning, or nothing when the entry lacks it.
std::optional<QString> extraText(const LexiconEntry& entry, CourseExtra extra) {
    switch (extra) {
        case CourseExtra::None:
            return QString();
        case CourseExtra::Synonyms:
            if (entry.synonyms.isEmpty()) return std::nullopt;
            return QStringLiteral("；同义：") + entry.synonyms;
        case CourseExtra::Antonyms:
            if (entry.antonym.isEmpty()) return std::nullopt;
            return QStringLiteral("；反义：") + entry.antonym;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> joinCourse(const Lexicon& lexicon, const QString& listText,
                                  CourseExtra extra, QString& error) {
    QString rows;
    QSet<QString> seen;
    const QStringList lines = listText.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QString where = QStringLiteral("第 %1 行").arg(n + 1);
        const QString headword = line.section(u'\t', 0, 0);
        const QString topic = line.section(u'\t', 1);
        if (topic.contains(u'#')) {
            error = where + QStringLiteral("：分类中含有“#”，词库的行会被拆断");
            return std::nullopt;
        }
        if (seen.contains(headword)) {
            error = where + QStringLiteral("：“%1”在课程中出现了两次").arg(headword);
            return std::nullopt;
        }
        seen.insert(headword);
        const LexiconEntry* entry = lexicon.find(headword);
        if (!entry) {
            error = where + QStringLiteral("：“%1”在词库中没有释义").arg(headword);
            return std::nullopt;
        }
        const std::optional<QString> added = extraText(*entry, extra);
        if (!added) {
            error = where + QStringLiteral("：“%1”缺少本课程要的%2")
                                .arg(headword, extra == CourseExtra::Synonyms
                                                   ? QStringLiteral("同义词")
                                                   : QStringLiteral("反义词"));
            return std::nullopt;
        }
        const QString label = topic.isEmpty() ? QString() : u'【' + topic + u'】';
        const QString phonetic =
            entry->phonetic.isEmpty() ? QString() : u'[' + entry->phonetic + u']';
        rows += headword + u'#' + label + entry->meaning + *added + u'#' + phonetic +
                QStringLiteral("\r\n");
    }
    if (rows.isEmpty()) {
        error = QStringLiteral("课程列表中没有词条");
        return std::nullopt;
    }
    return rows;
}

}  // namespace tawen
