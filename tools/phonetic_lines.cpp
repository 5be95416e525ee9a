#include "tools/phonetic_lines.h"

namespace tawen::ipa {

namespace {

QString problemAt(qsizetype index, const QString& what) {
    return QStringLiteral("第 %1 行%2").arg(index + 1).arg(what);
}

// The IPA of one entry, empty (with a problem noted) when a word of it has no
// letters to read.
QString ipaOrNone(HeadwordPhonetics& phonetics, const QString& headword, const QString& meaning,
                  qsizetype index, QStringList& problems) {
    const std::optional<QString> ipa = phonetics.ipaFor(headword, meaning);
    if (!ipa) problems.append(problemAt(index, QStringLiteral("无法注音：") + headword));
    return ipa.value_or(QString());
}

}  // namespace

QString phoneticTable(const QString& lines, HeadwordPhonetics& phonetics, QStringList& problems) {
    QStringList rows = lines.split(u'\n');
    if (rows.back().isEmpty()) rows.removeLast();
    QString out;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QString row = rows[i];
        if (row.endsWith(u'\r')) row.chop(1);
        const qsizetype tab = row.indexOf(u'\t');
        if (tab <= 0) {
            problems.append(problemAt(i, QStringLiteral("不是“单词<TAB>解释”：") + row));
            continue;
        }
        const QString headword = row.first(tab);
        out += headword + u'\t' + ipaOrNone(phonetics, headword, row.sliced(tab + 1), i, problems) +
               u'\n';
    }
    return out;
}

QString coursePhonetics(const QString& course, HeadwordPhonetics& phonetics,
                        QStringList& problems) {
    QStringList lines = course.split(QStringLiteral("\r\n"));
    const bool endsWithBreak = lines.back().isEmpty();
    if (endsWithBreak) lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(u'#');
        if (fields.size() < 2 || fields[0].isEmpty()) {
            problems.append(problemAt(i, QStringLiteral("不是“单词#解释”：") + lines[i]));
            continue;
        }
        const QString ipa = ipaOrNone(phonetics, fields[0], fields[1], i, problems);
        fields = fields.mid(0, 2);
        if (!ipa.isEmpty()) fields.append(u'[' + ipa + u']');
        lines[i] = fields.join(u'#');
    }
    return lines.join(QStringLiteral("\r\n")) +
           (endsWithBreak ? QStringLiteral("\r\n") : QString());
}

}  // namespace tawen::ipa
