// tawen-ipa: gives course words their General American phonetics.
//
//   tawen-ipa [--dictionary FILE] [TABLE...]
//   tawen-ipa [--dictionary FILE] --course COURSE...

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

#include "platform/atomic_file.h"
#include "tools/phonetic_lines.h"

namespace {

using namespace tawen::ipa;

const char* const Usage =
    "用法：\n"
    "  tawen-ipa [--dictionary 词典] [文件...]\n"
    "      读“单词<TAB>解释”行（UTF-8，来自文件或标准输入），写“单词<TAB>音标”行；\n"
    "      音标不带方括号，超过三个词的短语和句子音标为空。\n"
    "  tawen-ipa [--dictionary 词典] --course 课程文件...\n"
    "      重写课程明文（UTF-8，CR LF，单词#解释#[音标]）中的音标一栏。\n"
    "词典默认为项目中的 tools/cmudict/cmudict.dict。\n";

struct Failure {
    QString message;
    bool showUsage = false;
};

struct Options {
    QString dictionary = QStringLiteral(TAWEN_CMUDICT);
    bool course = false;
    QStringList files;
};

Options parseOptions(QStringList args) {
    Options options;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--dictionary")) {
            if (args.isEmpty()) throw Failure{QStringLiteral("--dictionary 后缺少文件名"), true};
            options.dictionary = args.takeFirst();
        } else if (arg == QLatin1String("--course")) {
            options.course = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw Failure{QStringLiteral("未知的选项：%1").arg(arg), true};
        } else {
            options.files.append(arg);
        }
    }
    if (options.course && options.files.isEmpty())
        throw Failure{QStringLiteral("--course 需要课程文件名"), true};
    return options;
}

QString readText(const QString& path) {
    QFile file(path);
    const bool opened =
        path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw Failure{QStringLiteral("无法打开文件：%1（%2）").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure{QStringLiteral("读取文件出错：%1（%2）").arg(path, file.errorString())};
    return QString::fromUtf8(bytes);
}

void print(FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
}

// Each file's problems are named with the file, then the run goes on, so one
// pass shows everything to fix.
bool report(const QString& file, const QStringList& problems) {
    for (const QString& problem : problems)
        print(stderr,
              QStringLiteral("tawen-ipa：%1：%2\n").arg(file.isEmpty() ? "-" : file, problem));
    return problems.isEmpty();
}

bool run(const Options& options, HeadwordPhonetics& phonetics) {
    bool clean = true;
    if (!options.course) {
        for (const QString& file :
             options.files.isEmpty() ? QStringList{QString()} : options.files) {
            QStringList problems;
            print(stdout, phoneticTable(readText(file), phonetics, problems));
            clean = report(file, problems) && clean;
        }
        return clean;
    }
    for (const QString& file : options.files) {
        QStringList problems;
        const QString course = coursePhonetics(readText(file), phonetics, problems);
        if (!platform::writeFileAtomically(file, course.toUtf8()))
            throw Failure{QStringLiteral("无法写入文件：%1").arg(file)};
        clean = report(file, problems) && clean;
    }
    print(stderr, QStringLiteral("tawen-ipa：%1 个词中词典收录 %2 个，其余按拼读规则注音\n")
                      .arg(phonetics.wordsSeen())
                      .arg(phonetics.wordsInDictionary()));
    return clean;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        const Options options = parseOptions(app.arguments().mid(1));
        const std::optional<PronouncingDictionary> dictionary =
            PronouncingDictionary::load(options.dictionary);
        if (!dictionary) throw Failure{QStringLiteral("无法读取词典：%1").arg(options.dictionary)};
        const FliteLexicon lexicon;
        HeadwordPhonetics phonetics(*dictionary, lexicon);
        return run(options, phonetics) ? 0 : 1;
    } catch (const Failure& failure) {
        print(stderr, QStringLiteral("tawen-ipa：%1\n").arg(failure.message));
        if (failure.showUsage) std::fputs(Usage, stderr);
        return failure.showUsage ? 2 : 1;
    }
}
