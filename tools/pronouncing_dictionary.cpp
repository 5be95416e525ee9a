#include "tools/pronouncing_dictionary.h"

#include <QFile>

namespace tawen::ipa {

std::optional<PronouncingDictionary> PronouncingDictionary::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    PronouncingDictionary dictionary;
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype gap = line.indexOf(QLatin1String("  "));
        if (gap <= 0) continue;
        QStringView word = line.first(gap);
        // "record(2)" is the second reading of "record".
        if (word.endsWith(u')') && word.contains(u'(')) word = word.first(word.lastIndexOf(u'('));
        dictionary.entries_[word.toString()].append(line.sliced(gap + 2).trimmed().toString());
    }
    return dictionary;
}

QList<Pronunciation> PronouncingDictionary::readings(const QString& word) const {
    QList<Pronunciation> result;
    for (const QString& phones : entries_.value(word)) {
        if (std::optional<Pronunciation> reading = parseArpabet(phones)) result.append(*reading);
    }
    return result;
}

}  // namespace tawen::ipa
