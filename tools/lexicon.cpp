#include "tools/lexicon.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace tawen {

namespace {

using Field = QString LexiconEntry::*;

struct TsvLine {
    int number;
    QString headword;
    QString value;
};

// Splits a lexicon file into its entries, refusing anything that would break a
// library row: "#" separates the fields of a row and a line break ends one.
bool readTsv(const QString& path, QList<TsvLine>& lines, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法打开词库文件 %1（%2）").arg(path, file.errorString());
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) {
        error = QStringLiteral("%1 不是有效的 UTF-8 文本").arg(path);
        return false;
    }
    const QStringList all = text.split(u'\n');
    for (int n = 0; n < all.size(); ++n) {
        QString line = all[n];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QString where = QStringLiteral("%1 第 %2 行").arg(path).arg(n + 1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0 || line.indexOf(u'\t', tab + 1) >= 0) {
            error = where + QStringLiteral("：应为“词条<Tab>内容”两栏");
            return false;
        }
        if (line.contains(u'#') || line.contains(u'\r')) {
            error = where + QStringLiteral("：含有“#”或回车，词库的行会被拆断");
            return false;
        }
        lines.append({n + 1, line.left(tab), line.mid(tab + 1)});
    }
    return true;
}

}  // namespace

bool Lexicon::load(const QString& folder, QString& error) {
    entries_.clear();
    const QDir meaningsDir(folder + QStringLiteral("/meanings"));
    const QStringList meaningFiles =
        meaningsDir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
    if (meaningFiles.isEmpty()) {
        error = QStringLiteral("%1 中没有释义文件").arg(meaningsDir.path());
        return false;
    }
    QHash<QString, QString> ownerFile;
    for (const QString& name : meaningFiles) {
        const QString path = meaningsDir.filePath(name);
        QList<TsvLine> lines;
        if (!readTsv(path, lines, error)) return false;
        for (const TsvLine& line : lines) {
            const auto owner = ownerFile.constFind(line.headword);
            if (owner != ownerFile.cend()) {
                error = QStringLiteral("“%1”的释义出现了两次：%2 和 %3 第 %4 行")
                            .arg(line.headword, *owner, path)
                            .arg(line.number);
                return false;
            }
            ownerFile.insert(line.headword, path);
            entries_[line.headword].meaning = line.value;
        }
    }
    const std::pair<const char*, Field> extras[] = {
        {"phonetics.tsv", &LexiconEntry::phonetic},
        {"synonyms.tsv", &LexiconEntry::synonyms},
        {"antonyms.tsv", &LexiconEntry::antonym},
    };
    for (const auto& [name, field] : extras) {
        const QString path = folder + u'/' + QLatin1String(name);
        if (!QFile::exists(path)) continue;
        QList<TsvLine> lines;
        if (!readTsv(path, lines, error)) return false;
        for (const TsvLine& line : lines) {
            const auto entry = entries_.find(line.headword);
            if (entry == entries_.end()) {
                error = QStringLiteral("%1 第 %2 行：“%3”在释义中没有词条")
                            .arg(path)
                            .arg(line.number)
                            .arg(line.headword);
                return false;
            }
            (*entry).*field = line.value;
        }
    }
    return true;
}

const LexiconEntry* Lexicon::find(const QString& headword) const {
    const auto entry = entries_.constFind(headword);
    return entry == entries_.cend() ? nullptr : &*entry;
}

}  // namespace tawen
