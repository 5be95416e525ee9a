#include <QTest>

#include "tools/headword_phonetics.h"
#include "tools/ipa_style.h"
#include "tools/phonetic_lines.h"

using namespace tawen::ipa;

namespace {

const PronouncingDictionary& dictionary() {
    static const std::optional<PronouncingDictionary> loaded =
        PronouncingDictionary::load(QStringLiteral(TAWEN_CMUDICT));
    return *loaded;
}

const FliteLexicon& lexicon() {
    static const FliteLexicon shared;
    return shared;
}

}  // namespace

class IpaConverterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(PronouncingDictionary::load(QStringLiteral(TAWEN_CMUDICT)).has_value());
    }

    // Written out by hand as a General American learners' dictionary gives
    // them, in our notation.
    void wordsAreWrittenInTheCoursesNotation_data() {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<QString>("ipa");
        const auto row = [](const char* name, const char* word, const char* meaning,
                            const char* ipa) {
            QTest::newRow(name) << QString::fromUtf8(word) << QString::fromUtf8(meaning)
                                << QString::fromUtf8(ipa);
        };
        // the stress mark before the stressed syllable, not before its vowel
        row("abandon", "abandon", "v. 放弃", "əˈbændən");
        row("hello", "hello", "int. 你好", "həˈloʊ");
        row("thermometer", "thermometer", "n. 温度计", "θɚˈmɑːmətɚ");
        row("teacher", "teacher", "n. 教师", "ˈtiːtʃɚ");
        row("happy", "happy", "adj. 快乐的", "ˈhæpi");
        row("father", "father", "n. 父亲", "ˈfɑːðɚ");
        row("water", "water", "n. 水", "ˈwɔːtɚ");
        // the onset takes every consonant that can begin a syllable
        row("instrument", "instrument", "n. 乐器", "ˈɪnstrəmənt");
        row("contribute", "contribute", "v. 贡献", "kənˈtrɪbjuːt");
        row("mistake", "mistake", "n. 错误", "mɪˈsteɪk");
        row("explain", "explain", "v. 解释", "ɪkˈspleɪn");
        row("extra", "extra", "adj. 额外的", "ˈɛkstrə");
        row("music", "music", "n. 音乐", "ˈmjuːzɪk");
        row("singer: ŋ begins no syllable", "singer", "n. 歌手", "ˈsɪŋɚ");
        row("measure", "measure", "n. 措施", "ˈmɛʒɚ");
        // words of one syllable carry no mark
        row("see", "see", "v. 看见", "siː");
        row("judge", "judge", "n. 法官", "dʒʌdʒ");
        row("thing", "thing", "n. 东西", "θɪŋ");
        row("boy", "boy", "n. 男孩", "bɔɪ");
        row("now", "now", "adv. 现在", "naʊ");
        row("book", "book", "n. 书", "bʊk");
        row("a", "a", "art. 一", "ə");
        row("I'm", "I'm", "我是", "aɪm");
        // r-coloured vowels, and r as r
        row("bird", "bird", "n. 鸟", "bɝːd");
        row("church", "church", "n. 教堂", "tʃɝːtʃ");
        row("cure", "cure", "v. 治愈", "kjʊr");
        row("car", "car", "n. 汽车", "kɑːr");
        row("more", "more", "adj. 更多的", "mɔːr");
        row("dream", "dream", "n. 梦", "driːm");
        // secondary stress only where the dictionary has one
        row("absolute", "absolute", "adj. 绝对的", "ˈæbsəˌluːt");
        row("photograph", "photograph", "n. 照片", "ˈfoʊtəˌɡræf");
        row("ability: a final i has none", "ability", "n. 能力", "əˈbɪləti");
        row("education", "education", "n. 教育", "ˌɛdʒəˈkeɪʃən");
        row("understand", "understand", "v. 理解", "ˌʌndɚˈstænd");
        row("overnight: the last of two main stresses leads", "overnight", "adv. 一夜之间",
            "ˌoʊvɚˈnaɪt");
        // homographs follow the first part of speech of the meaning
        row("record as a noun", "record", "n. 记录；v. 录音", "ˈrɛkɚd");
        row("record as a verb", "record", "v. 记录；n. 唱片", "rəˈkɔːrd");
        row("present as an adjective", "present", "adj. 出席的；n. 礼物", "ˈprɛzənt");
        row("present as a verb", "present", "v. 呈献", "priˈzɛnt");
        row("export as a noun", "export", "n. 出口", "ˈɛkspɔːrt");
        row("export as a verb, a reading only the voice knows", "export", "v. 出口", "ɪkˈspɔːrt");
        // phrases of up to three words, and what gets none
        row("phrase of two words", "good morning", "早上好", "ɡʊd ˈmɔːrnɪŋ");
        row("phrase of three words", "how are you", "你好吗", "haʊ ɑːr juː");
        row("phrase of four words", "nice to meet you", "见到你很高兴", "");
        row("sentence", "Are you sure?", "你确定吗？", "");
        // a compound the dictionary lacks is read part by part
        row("compound", "pencil-box", "n. 铅笔盒", "ˌpɛnsəlˈbɑːks");
        // British spellings are found under the American ones
        row("flavour", "flavour", "n. 味道", "ˈfleɪvɚ");
        row("analyse", "analyse", "v. 分析", "ˈænəˌlaɪz");
        row("centre", "centre", "n. 中心", "ˈsɛntɚ");
        // a word the dictionary lacks: the voice's letter-to-sound rules
        row("missing from the dictionary", "netizen", "n. 网民", "ˈnɛtɪzən");
    }

    void wordsAreWrittenInTheCoursesNotation() {
        QFETCH(QString, headword);
        QFETCH(QString, meaning);
        QFETCH(QString, ipa);
        HeadwordPhonetics phonetics(dictionary(), lexicon());
        const std::optional<QString> written = phonetics.ipaFor(headword, meaning);
        QVERIFY(written.has_value());
        QCOMPARE(*written, ipa);
        QCOMPARE(ipaStyleProblems(*written), QStringList());
    }

    void wordsWithoutLettersCannotBeRead() {
        HeadwordPhonetics phonetics(dictionary(), lexicon());
        QVERIFY(!phonetics.ipaFor(u"苹果"_qs, u"n. 苹果"_qs).has_value());
        QVERIFY(!phonetics.ipaFor(u"  "_qs, u"n."_qs).has_value());
    }

    void theDictionaryShareCountsEveryWord() {
        HeadwordPhonetics phonetics(dictionary(), lexicon());
        phonetics.ipaFor(u"good morning"_qs, u"早上好"_qs);
        phonetics.ipaFor(u"netizen"_qs, u"n. 网民"_qs);
        QCOMPARE(phonetics.wordsSeen(), 3);
        QCOMPARE(phonetics.wordsInDictionary(), 2);
    }

    void theToolsTableGivesOneLinePerHeadword() {
        HeadwordPhonetics phonetics(dictionary(), lexicon());
        QStringList problems;
        const QString out = phoneticTable(
            u"abandon\tv. 放弃\r\nnice to meet you\t见到你很高兴\n苹果\tn.\nbroken line\n\tn. 空\r\n"_qs,
            phonetics, problems);
        QCOMPARE(out, u"abandon\təˈbændən\nnice to meet you\t\n苹果\t\n"_qs);
        QCOMPARE(problems, (QStringList{u"第 3 行无法注音：苹果"_qs,
                                        u"第 4 行不是“单词<TAB>解释”：broken line"_qs,
                                        u"第 5 行不是“单词<TAB>解释”：\tn. 空"_qs}));
    }

    void aCourseGetsItsPhoneticFieldAnew() {
        HeadwordPhonetics phonetics(dictionary(), lexicon());
        QStringList problems;
        const QString course =
            u"hello#你好#[həlˈəʊ]\r\nhi#你好；嗨\r\nnice to meet you#见到你很高兴#[x]\r\n"_qs;
        QCOMPARE(
            coursePhonetics(course, phonetics, problems),
            u"hello#你好#[həˈloʊ]\r\nhi#你好；嗨#[haɪ]\r\nnice to meet you#见到你很高兴\r\n"_qs);
        QVERIFY(problems.isEmpty());
    }

    void theStyleCheckNamesEachKindOfProblem_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problem");
        QTest::newRow("good") << u"[əˈbændən]"_qs << QString();
        QTest::newRow("good phrase") << u"ɡʊd ˈmɔːrnɪŋ"_qs << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("mark before the vowel")
            << u"[həlˈoʊ]"_qs << u"重音符号不在音节开头：həlˈoʊ"_qs;
        QTest::newRow("mark inside an onset")
            << u"ˈɪnsˈtrəmənt"_qs << u"重音符号不在音节开头：ˈɪnsˈtrəmənt"_qs;
        QTest::newRow("mark after the first consonant of a word")
            << u"hˈaɪ"_qs << u"重音符号不在音节开头：hˈaɪ"_qs;
        QTest::newRow("mark with no vowel after it")
            << u"bædˈ"_qs << u"重音符号不在音节开头：bædˈ"_qs;
        QTest::newRow("turned r") << u"ɹɛd"_qs << u"用了“ɹ”，应写“r”：ɹɛd"_qs;
        QTest::newRow("British vowel") << u"hɒt"_qs << u"音标表外的符号“ɒ”：hɒt"_qs;
        QTest::newRow("length on a short vowel") << u"kʌːt"_qs << u"音标表外的符号“ː”：kʌːt"_qs;
    }

    void theStyleCheckNamesEachKindOfProblem() {
        QFETCH(QString, field);
        QFETCH(QString, problem);
        QCOMPARE(ipaStyleProblems(field), problem.isEmpty() ? QStringList() : QStringList{problem});
    }
};

QTEST_MAIN(IpaConverterTest)
#include "test_ipa_converter.moc"
