// tawen-mklib: makes word library files from plaintext and reads them back.
//
//   tawen-mklib encode [--key NAME] [--from ENCODING] PLAINTEXT LIBRARY
//   tawen-mklib decode [--key NAME] LIBRARY PLAINTEXT
//   tawen-mklib list [--key NAME] [--count] LIBRARY
//   tawen-mklib join [--key NAME] [--with synonyms|antonyms] LEXICON LIST LIBRARY

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <map>
#include <optional>
#include <string_view>

#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/atomic_file.h"
#include "platform/text_codec.h"
#include "tools/course_join.h"
#include "tools/course_source.h"
#include "tools/lexicon.h"

namespace {

using tawen::LibraryCipher;

const char* const Usage =
    "用法：\n"
    "  tawen-mklib encode [--key 密钥] [--from 编码] 明文文件 词库文件    把明文加密成词库\n"
    "  tawen-mklib decode [--key 密钥] 词库文件 明文文件    把词库解密回明文\n"
    "  tawen-mklib list [--key 密钥] [--count] 词库文件     "
    "按程序读取的方式列出每行（或只列行数）\n"
    "  tawen-mklib join [--key 密钥] [--with synonyms|antonyms] 词库目录 课程列表 词库文件\n"
    "      按课程列表从词库目录（data/lexicon）取出每个词的释义和音标，加密成词库；\n"
    "      --with 在释义后加上同义词或反义词\n"
    "密钥：course（课程词库，默认）、personal（个人生词库）、backup（生词库备份）\n"
    "编码：gb18030（默认）或 utf-8；以 UTF-8 字节顺序标记开头的明文总按 UTF-8 读取。\n"
    "明文中 CR LF 或单独的 CR 结束一行；单独的 LF 属于字段内容，原样保留。\n"
    "list 每行为：行号、单词、解释、音标，以制表符分隔；字段中的制表符、换行和反斜杠写作 "
    "\\t、\\n、\\\\。\n";

// A failure the user has to hear about; usage errors also show how to call us.
struct Failure {
    QString message;
    bool showUsage = false;
};

struct Options {
    QString command;
    std::string_view key = LibraryCipher::CourseKey;
    tawen::SourceEncoding encoding = tawen::SourceEncoding::Gb18030;
    bool countOnly = false;
    tawen::CourseExtra extra = tawen::CourseExtra::None;
    QStringList files;
};

std::string_view keyNamed(const QString& name) {
    static const std::map<QString, std::string_view> keys = {
        {QStringLiteral("course"), LibraryCipher::CourseKey},
        {QStringLiteral("personal"), LibraryCipher::PersonalKey},
        {QStringLiteral("backup"), LibraryCipher::BackupKey},
    };
    const auto found = keys.find(name);
    if (found == keys.end()) throw Failure{QStringLiteral("未知的密钥名：%1").arg(name), true};
    return found->second;
}

tawen::SourceEncoding encodingNamed(const QString& name) {
    const std::optional<tawen::SourceEncoding> encoding = tawen::sourceEncodingNamed(name);
    if (!encoding) throw Failure{QStringLiteral("未知的编码：%1").arg(name), true};
    return *encoding;
}

Options parseOptions(QStringList args) {
    if (args.isEmpty()) throw Failure{QStringLiteral("缺少命令"), true};
    Options options;
    options.command = args.takeFirst();
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--key")) {
            if (args.isEmpty()) throw Failure{QStringLiteral("--key 后缺少密钥名"), true};
            options.key = keyNamed(args.takeFirst());
        } else if (arg == QLatin1String("--from") && options.command == QLatin1String("encode")) {
            if (args.isEmpty()) throw Failure{QStringLiteral("--from 后缺少编码名"), true};
            options.encoding = encodingNamed(args.takeFirst());
        } else if (arg == QLatin1String("--with") && options.command == QLatin1String("join")) {
            if (args.isEmpty())
                throw Failure{QStringLiteral("--with 后缺少 synonyms 或 antonyms"), true};
            const QString name = args.takeFirst();
            const std::optional<tawen::CourseExtra> extra = tawen::courseExtraNamed(name);
            if (!extra) throw Failure{QStringLiteral("未知的附加内容：%1").arg(name), true};
            options.extra = *extra;
        } else if (arg == QLatin1String("--count") && options.command == QLatin1String("list")) {
            options.countOnly = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            throw Failure{QStringLiteral("未知的选项：%1").arg(arg), true};
        } else {
            options.files.append(arg);
        }
    }
    const qsizetype wanted = options.command == QLatin1String("list")   ? 1
                             : options.command == QLatin1String("join") ? 3
                                                                        : 2;
    const bool known =
        options.command == QLatin1String("encode") || options.command == QLatin1String("decode") ||
        options.command == QLatin1String("list") || options.command == QLatin1String("join");
    if (!known) throw Failure{QStringLiteral("未知的命令：%1").arg(options.command), true};
    if (options.files.size() != wanted) {
        throw Failure{QStringLiteral("%1 需要 %2 个文件名").arg(options.command).arg(wanted), true};
    }
    return options;
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) throw Failure{QStringLiteral("找不到文件：%1").arg(path)};
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure{QStringLiteral("无法打开文件：%1（%2）").arg(path, file.errorString())};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw Failure{QStringLiteral("读取文件出错：%1（%2）").arg(path, file.errorString())};
    }
    return bytes;
}

// Written whole or not at all, so a failed build step leaves no half file.
void writeWhole(const QString& path, const QByteArray& bytes) {
    if (!platform::writeFileAtomically(path, bytes)) {
        throw Failure{QStringLiteral("无法写入文件：%1").arg(path)};
    }
}

QByteArray readLibrary(const Options& options) {
    QByteArray bytes = readWhole(options.files[0]);
    if (bytes.isEmpty()) throw Failure{QStringLiteral("词库文件是空的：%1").arg(options.files[0])};
    LibraryCipher::apply(bytes, options.key);
    return bytes;
}

// Rows beyond what the program reads would be silently lost to the learner.
void writeLibrary(const Options& options, const QString& source, QByteArray plaintext) {
    if (plaintext.isEmpty()) throw Failure{QStringLiteral("明文文件是空的：%1").arg(source)};
    const qsizetype lines = plaintext.count("\r\n");
    if (lines > tawen::MaxWordRows) {
        throw Failure{QStringLiteral("%1 有 %2 行，词库最多 %3 行")
                          .arg(source)
                          .arg(lines)
                          .arg(tawen::MaxWordRows)};
    }
    LibraryCipher::apply(plaintext, options.key);
    writeWhole(options.files.last(), plaintext);
}

void encode(const Options& options) {
    const std::optional<QByteArray> converted =
        tawen::toLibraryPlaintext(readWhole(options.files[0]), options.encoding);
    if (!converted) {
        throw Failure{QStringLiteral("明文文件不是有效的 UTF-8 文本：%1").arg(options.files[0])};
    }
    writeLibrary(options, options.files[0], *converted);
}

void join(const Options& options) {
    tawen::Lexicon lexicon;
    QString error;
    if (!lexicon.load(options.files[0], error)) throw Failure{error};
    const QString listPath = options.files[1];
    const std::optional<QString> rows =
        tawen::joinCourse(lexicon, QString::fromUtf8(readWhole(listPath)), options.extra, error);
    if (!rows) throw Failure{listPath + QStringLiteral(" ") + error};
    writeLibrary(options, listPath, platform::encodeText(*rows));
}

void decode(const Options& options) { writeWhole(options.files[1], readLibrary(options)); }

// One row per output line, so the few characters that would break that are escaped.
QString escaped(QString field) {
    return field.replace(u'\\', QLatin1String("\\\\"))
        .replace(u'\t', QLatin1String("\\t"))
        .replace(u'\n', QLatin1String("\\n"));
}

void list(const Options& options) {
    const tawen::WordLines rows = tawen::parseWordLines(readLibrary(options));
    QString out;
    if (options.countOnly) {
        out = QString::number(rows.size()) + u'\n';
    } else {
        for (qsizetype n = 0; n < rows.size(); ++n) {
            const tawen::WordEntry& row = rows[n];
            out += QString::number(n + 1) + u'\t' + escaped(row.word) + u'\t' +
                   escaped(row.meaning) + u'\t' + escaped(row.phonetic) + u'\n';
        }
    }
    const QByteArray utf8 = out.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        const Options options = parseOptions(app.arguments().mid(1));
        if (options.command == QLatin1String("encode")) {
            encode(options);
        } else if (options.command == QLatin1String("join")) {
            join(options);
        } else if (options.command == QLatin1String("decode")) {
            decode(options);
        } else {
            list(options);
        }
        return 0;
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tawen-mklib：%s\n", failure.message.toUtf8().constData());
        if (failure.showUsage) std::fputs(Usage, stderr);
        return failure.showUsage ? 2 : 1;
    }
}
