#include <QTest>

#include "agents/espeak_synthesizer.h"
#include "agents/flite_synthesizer.h"
#include "agents/voice_synthesis.h"
#include "agents/voices.h"
#include "sound_print.h"

using namespace tawen;

namespace {

const auto never = [] { return false; };

SoundPrint printOfVoice(const QString& text, const VoiceRecipe& voice) {
    const std::optional<Pcm> pcm = synthesise(text, Speaker{voice, {}}, never);
    return pcm ? printOf(*pcm) : SoundPrint{};
}

}  // namespace

// The named voices through the real flite and espeak-ng.
class VoicesTest : public QObject {
    Q_OBJECT

  private slots:
    void theChoiceListsElevenVoicesTheDefaultFirst() {
        QCOMPARE(namedVoices().size(), 11);
        QCOMPARE(namedVoices().front().name, u"默认声音"_qs);
        QCOMPARE(voiceNamed(QString())->base, u"slt"_qs);
        QCOMPARE(voiceNamed(u"Mike in Hall"_qs)->effect, VoiceRecipe::Effect::Hall);
        QVERIFY(!voiceNamed(u"Sam"_qs).has_value());
    }

    void eachVoiceSaysAWordAtAPlausibleLength_data() {
        QTest::addColumn<QString>("name");
        for (const NamedVoice& voice : namedVoices())
            QTest::newRow(qPrintable(voice.name)) << voice.name;
    }

    void eachVoiceSaysAWordAtAPlausibleLength() {
        QFETCH(QString, name);
        const VoiceRecipe voice = *voiceNamed(name);
        QVERIFY(canSpeak(voice));
        const std::optional<Pcm> pcm = synthesise(u"abandon"_qs, Speaker{voice, {}}, never);
        QVERIFY(pcm.has_value());
        QCOMPARE(pcm->sampleRate, kSpeechSampleRate);
        const SoundPrint print = printOf(*pcm);
        qInfo("%s: %s", qPrintable(name), qPrintable(print.describe()));
        // Three syllables last about half a second to a second; a room's echo
        // may add two more.
        QVERIFY2(print.seconds > 0.35 && print.seconds < 3.5, qPrintable(print.describe()));
        QVERIFY2(print.peak > 3000, qPrintable(print.describe()));
        QVERIFY2(print.pitchHz > 0, qPrintable(print.describe()));
    }

    void everyTwoVoicesSoundDifferent() {
        QList<SoundPrint> prints;
        for (const NamedVoice& voice : namedVoices())
            prints.append(printOfVoice(u"beautiful"_qs, voice.recipe));
        for (qsizetype a = 0; a < prints.size(); ++a) {
            for (qsizetype b = a + 1; b < prints.size(); ++b) {
                QVERIFY2(
                    soundsDifferent(prints[a], prints[b]),
                    qPrintable(namedVoices()[a].name + u" ~ "_qs + namedVoices()[b].name +
                               u": "_qs + prints[a].describe() + u" / "_qs + prints[b].describe()));
            }
        }
    }

    // What each voice is said to be, measured: the women above the men, Mary
    // above the default, the telephone's narrow band, the rooms' long tails.
    void eachVoiceIsWhatItsNameSays() {
        const auto print = [](const char* name) {
            return printOfVoice(u"beautiful"_qs, *voiceNamed(QString::fromUtf8(name)));
        };
        const SoundPrint standard = print("默认声音"), mary = print("Mary"), mike = print("Mike"),
                         maryPhone = print("Mary(for Telephone)"),
                         mikePhone = print("Mike(for Telephone)"), hall = print("Mike in Hall"),
                         stadium = print("Mike in Stadium");
        QVERIFY2(standard.pitchHz > 140 && mike.pitchHz < 140,
                 qPrintable(standard.describe() + u" / "_qs + mike.describe()));
        QVERIFY2(mary.pitchHz > standard.pitchHz * 1.1,
                 qPrintable(mary.describe() + u" / "_qs + standard.describe()));
        for (const SoundPrint& phone : {maryPhone, mikePhone}) {
            const double outside = phone.share[0] + phone.share[4] + phone.share[5];
            QVERIFY2(outside < 0.05, qPrintable(phone.describe()));
        }
        QVERIFY2(mike.share[0] > 0.1, qPrintable(mike.describe()));
        QVERIFY2(hall.seconds > mike.seconds + 1 && stadium.seconds > hall.seconds + 0.5,
                 qPrintable(hall.describe() + u" / "_qs + stadium.describe()));
    }

    void textFliteCannotReadIsReadByEspeak() {
        QVERIFY(flite::canRead(u"Hello, world! 1-2-3"_qs));
        QVERIFY(!flite::canRead(u"café"_qs));
        const std::optional<Pcm> pcm = synthesise(u"café"_qs, Speaker{}, never);
        QVERIFY(pcm.has_value());
        QVERIFY(printOf(*pcm).seconds > 0.3);
    }

    // Debian's "cmn" reads the tone digits of its pinyin aloud with an English
    // voice (ni three hao three), which makes a word far longer than in
    // Mandarin; what the learner hears is the Mandarin voice's own sound.
    void chineseIsSpokenInMandarinNotWithEnglishDigits() {
        const QString text = u"你好"_qs;
        const std::optional<Pcm> spoken = synthesise(text, Speaker{}, never);
        const std::optional<Pcm> mandarin = espeak::synthesise(text, u"cmn-latn-pinyin"_qs, never);
        const std::optional<Pcm> digits = espeak::synthesise(text, u"cmn"_qs, never);
        QVERIFY(spoken && mandarin && digits);
        const SoundPrint heard = printOf(*spoken), withDigits = printOf(*digits);
        // espeak-ng may differ by a sample or two from one reading to the next
        QVERIFY2(std::abs(heard.seconds - printOf(*mandarin).seconds) < 0.01,
                 qPrintable(heard.describe() + u" / "_qs + printOf(*mandarin).describe()));
        qInfo("Mandarin %s; cmn %s", qPrintable(heard.describe()),
              qPrintable(withDigits.describe()));
        QVERIFY2(heard.seconds > 0.3 && heard.seconds < 0.8 * withDigits.seconds,
                 qPrintable(heard.describe() + u" / "_qs + withDigits.describe()));
    }

    void mixedTextIsSplitWhereTheScriptChanges() {
        const QList<ScriptRun> runs = scriptRuns(u"apple 苹果，red 红色的 ..."_qs);
        QCOMPARE(runs.size(), 4);
        QCOMPARE(runs[0].text, u"apple "_qs);
        QVERIFY(!runs[0].chinese);
        QCOMPARE(runs[1].text, u"苹果，"_qs);
        QVERIFY(runs[1].chinese);
        QCOMPARE(runs[2].text, u"red "_qs);
        QCOMPARE(runs[3].text, u"红色的 ..."_qs);
        QVERIFY(scriptRuns(u" ... "_qs).isEmpty());

        // Both runs are heard: the mixed text lasts as long as its parts.
        const double apple = printOf(*synthesise(u"apple"_qs, Speaker{}, never)).seconds;
        const double pingguo = printOf(*synthesise(u"苹果"_qs, Speaker{}, never)).seconds;
        const double both = printOf(*synthesise(u"apple 苹果"_qs, Speaker{}, never)).seconds;
        QVERIFY2(std::abs(both - (apple + pingguo)) < 0.1,
                 qPrintable(QStringLiteral("%1 + %2 vs %3").arg(apple).arg(pingguo).arg(both)));
    }
};

QTEST_MAIN(VoicesTest)
#include "test_voices.moc"
