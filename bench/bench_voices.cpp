// bench_voices: how fast each named voice speaks a word, and how many of 50
// CET-4 words an offline recogniser (pocketsphinx, Debian's en-us model)
// picks out of the course's whole word list when it hears them.
//
//   bench_voices [COURSE]    COURSE defaults to the shipped data/courses/CET4.txt
//
// Prints, per voice: the first word's milliseconds (loading the synthesiser and
// voice included), milliseconds of synthesis per word, the real-time factor
// (synthesis time over the length of the speech) and the words recognised.
// Without pocketsphinx_batch on the PATH only the timings are printed.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>

#include <cstdio>

#include "agents/voice_effects.h"
#include "agents/voice_synthesis.h"
#include "agents/voices.h"

namespace {

using namespace tawen;

// Fixed so that figures from different runs compare: every 40th word of the
// course, from the 7th on.
const char* const kWords[] = {
    "absence",   "admission",  "anchor",      "assignment",  "band",       "board",      "bulletin",
    "casual",    "circuit",    "communicate", "confuse",     "contribute", "criminal",   "decline",
    "describe",  "dispute",    "economic",    "engage",      "exception",  "faith",      "flavour",
    "frustrate", "grain",      "heritage",    "implication", "innovation", "invitation", "launch",
    "locate",    "membership", "multiply",    "observe",     "owe",        "personnel",  "positive",
    "privilege", "purchase",   "recruit",     "removal",     "reverse",    "scandal",    "shift",
    "spark",     "stomach",    "support",     "terrify",     "translate",  "update",     "violence",
    "worship",
};

const QString kModel = QStringLiteral("/usr/share/pocketsphinx/model/en-us");

struct Figures {
    double firstMs = 0;  // the first word, loading the voice included
    double msPerWord = 0;
    double realTimeFactor = 0;
    int recognised = -1;  // -1: no recogniser
};

QStringList courseWords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList words;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))) {
        const QString word = line.section(u'#', 0, 0).toLower();
        if (!word.isEmpty() && !word.contains(u' ')) words.append(word);
    }
    return words;
}

// The course's words the recogniser can spell: the grammar it chooses from.
bool writeGrammar(const QStringList& course, const QString& path) {
    QFile dictionary(kModel + QStringLiteral("/cmudict-en-us.dict"));
    if (!dictionary.open(QIODevice::ReadOnly)) return false;
    QSet<QString> known;
    for (const QByteArray& line : dictionary.readAll().split('\n'))
        known.insert(QString::fromUtf8(line.left(line.indexOf(' '))));
    QStringList choices;
    for (const QString& word : course) {
        if (known.contains(word)) choices.append(word);
    }
    QFile grammar(path);
    if (!grammar.open(QIODevice::WriteOnly)) return false;
    const QString text = QStringLiteral("#JSGF V1.0;\ngrammar words;\npublic <word> = %1;\n")
                             .arg(choices.join(QStringLiteral(" | ")));
    return grammar.write(text.toUtf8()) == text.toUtf8().size();
}

// A 16 kHz mono WAV, what the recogniser's model was trained on, with a
// quarter second of silence either side as a microphone would record it.
bool writeWav(const Pcm& speech, const QString& path) {
    Pcm pcm = effects::resampled(speech, 16000);
    const QByteArray silence(2 * 4000, '\0');
    pcm.samples = silence + pcm.samples + silence;
    QByteArray header(
        "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\0\0\0\0\0\0\0\0\x02\0\x10\0data\0\0\0\0", 44);
    qToLittleEndian<quint32>(quint32(36 + pcm.samples.size()), header.data() + 4);
    qToLittleEndian<quint32>(16000, header.data() + 24);
    qToLittleEndian<quint32>(32000, header.data() + 28);
    qToLittleEndian<quint32>(quint32(pcm.samples.size()), header.data() + 40);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(header + pcm.samples) == 44 + pcm.samples.size();
}

// How many of the words in `folder` (named 0.wav, 1.wav, ...) were heard as themselves.
int recognised(const QString& folder, const QString& grammar) {
    QFile control(folder + QStringLiteral("/control"));
    if (!control.open(QIODevice::WriteOnly)) return -1;
    for (size_t i = 0; i < std::size(kWords); ++i)
        control.write(QByteArray::number(qulonglong(i)) + '\n');
    control.close();
    QProcess batch;
    batch.start(QStringLiteral("pocketsphinx_batch"),
                {"-adcin",  "yes",
                 "-adchdr", "44",
                 "-cepdir", folder,
                 "-cepext", ".wav",
                 "-ctl",    control.fileName(),
                 "-jsgf",   grammar,
                 "-hmm",    kModel + QStringLiteral("/en-us"),
                 "-dict",   kModel + QStringLiteral("/cmudict-en-us.dict"),
                 "-hyp",    folder + QStringLiteral("/heard"),
                 "-logfn",  "/dev/null"});
    if (!batch.waitForFinished(600000) || batch.exitCode() != 0) return -1;
    QFile heard(folder + QStringLiteral("/heard"));
    if (!heard.open(QIODevice::ReadOnly)) return -1;
    int right = 0;
    // each line: "word (utterance-id score)"
    for (const QByteArray& line : heard.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        const int index = parts[parts.size() - 2].mid(1).toInt();
        if (index >= 0 && size_t(index) < std::size(kWords) && parts[0] == kWords[index]) ++right;
    }
    return right;
}

Figures measure(const VoiceRecipe& voice, const QString& grammar) {
    const auto never = [] { return false; };
    const Speaker speaker{voice, {}};
    Figures figures;
    QElapsedTimer first;
    first.start();
    synthesise(QStringLiteral("welcome"), speaker, never);
    figures.firstMs = double(first.nsecsElapsed()) / 1e6;
    QTemporaryDir folder;
    double synthesisSeconds = 0;
    double speechSeconds = 0;
    for (size_t i = 0; i < std::size(kWords); ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<Pcm> pcm = synthesise(QString::fromLatin1(kWords[i]), speaker, never);
        synthesisSeconds += double(timer.nsecsElapsed()) / 1e9;
        if (!pcm) return figures;
        speechSeconds += double(pcm->samples.size() / 2) / pcm->sampleRate;
        writeWav(*pcm, folder.filePath(QString::number(i) + QStringLiteral(".wav")));
    }
    figures.msPerWord = 1000 * synthesisSeconds / double(std::size(kWords));
    figures.realTimeFactor = synthesisSeconds / speechSeconds;
    if (!grammar.isEmpty()) figures.recognised = recognised(folder.path(), grammar);
    return figures;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString course =
        app.arguments().value(1, QStringLiteral(TAWEN_SOURCE_DIR "/data/courses/CET4.txt"));
    const QStringList words = courseWords(course);
    for (const char* word : kWords) {
        if (!words.contains(QString::fromLatin1(word)))
            std::fprintf(stderr, "bench_voices: %s is not a word of %s\n", word,
                         qPrintable(course));
    }
    QTemporaryDir work;
    QString grammar;
    if (QStandardPaths::findExecutable(QStringLiteral("pocketsphinx_batch")).isEmpty()) {
        std::fprintf(stderr, "bench_voices: pocketsphinx_batch not found, timing only\n");
    } else if (writeGrammar(words, work.filePath(QStringLiteral("words.gram")))) {
        grammar = work.filePath(QStringLiteral("words.gram"));
    }

    QList<NamedVoice> voices = namedVoices();
    // The voice English had before flite, for comparison.
    voices.append({QStringLiteral("espeak-ng en-us (earlier voice)"),
                   {VoiceRecipe::Synthesiser::Espeak, QStringLiteral("en-us")}});
    std::printf("%-32s %10s %10s %8s %12s\n", "voice", "first ms", "ms/word", "RTF", "recognised");
    for (const NamedVoice& voice : voices) {
        const Figures f = measure(voice.recipe, grammar);
        const QString heard =
            f.recognised < 0 ? QStringLiteral("-") : QStringLiteral("%1/50").arg(f.recognised);
        std::printf("%-32s %10.1f %10.1f %8.3f %12s\n", qPrintable(voice.name), f.firstMs,
                    f.msPerWord, f.realTimeFactor, qPrintable(heard));
        std::fflush(stdout);
    }
    return 0;
}
