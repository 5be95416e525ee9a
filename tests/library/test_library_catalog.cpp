#include <QSet>
#include <QTest>

#include "library/library_catalog.h"
#include "shell/session.h"

using namespace tawen;

class LibraryCatalogTest : public QObject {
    Q_OBJECT

  private slots:
    void theCoursesInListOrder() {
        const QList<CatalogEntry>& courses = LibraryCatalog::courses();
        QCOMPARE(courses.size(), 97);
        QStringList codes;
        for (int position = 0; position < courses.size(); ++position) {
            QCOMPARE(courses[position].position, position);
            codes << courses[position].code;
        }
        QCOMPARE(
            codes.join(u' '),
            QStringLiteral(
                "xx1 xx2 xx3 xx4 XX1new XX2new XX3new XX4new XX5new XX6new pepxx3a pepxx3b "
                "pepxx4a pepxx4b pepxx5a pepxx5b pepxx6a pepxx6b CZ1 CZ2 CZ3 CZ4 CZ5 CZ6 CzLw1 "
                "CzLw2 CzLw3 Czxmb7a Czxmb7b Czxmb8a Czxmb8b Czxmb9 wycz1a wycz1b wycz2a GZ1 GZ2 "
                "GZ3 GzLw1a GzLw1b GzLw2a GzLw2b GzLw3a GzLw3b newgz1a newgz1b newgz2a newgz2b "
                "newgz3 NCE1 NCE2 NCE3 NCE4 SJJD1 SJJD2 IELTS isall TAISHA LasyWord Dxxsy1 "
                "Dxxsy2 Dxxsy3 Dxxsy4 CET4 CET6 CET56cz DXcz GJZX Dxzxa Dxzxb YJS YJScz GRE "
                "GREDYC GRENXAll GMAT MBA PP2 pp2_lbfyc PP2_TK TOEFL TOEFLCiHui TOEFLCZ WM1 WM2 "
                "WM3 WM4 COMMERCE COMPUTER YX1 YX2 YX3 ZCa ZCb ZCc Flword lyyu365"));
        QCOMPARE(courses.first().displayName, QStringLiteral("小学第一册(旧版)"));
        QCOMPARE(courses[63].displayName, QStringLiteral("大学四级英语"));
        QCOMPARE(courses.last().displayName, QStringLiteral("墨然疯狂英语356句"));
    }

    void codesAndNamesAreUnique() {
        QSet<QString> codes;
        QSet<QString> names;
        for (const CatalogEntry& entry : LibraryCatalog::courses()) {
            codes.insert(entry.code);
            names.insert(entry.displayName);
        }
        QCOMPARE(codes.size(), 97);
        QCOMPARE(names.size(), 97);
        QVERIFY(!names.contains(PersonalLibraryEntry));
    }

    void lookupMatchesTheNameExactly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");  // empty: no row has this name
        QTest::newRow("full-width brackets") << "大学英语1（新视野）"
                                             << "Dxxsy1";
        QTest::newRow("same with half-width brackets") << "大学英语1(新视野)"
                                                       << "";
        QTest::newRow("half-width brackets") << "小学三年级上(PEP)"
                                             << "pepxx3a";
        QTest::newRow("same with full-width brackets") << "小学三年级上（PEP）"
                                                       << "";
        QTest::newRow("half-width comma") << "大学英语词组(5,6级)"
                                          << "CET56cz";
        QTest::newRow("same with full-width comma") << "大学英语词组(5，6级)"
                                                    << "";
        QTest::newRow("space after GRE") << "GRE 同义词"
                                         << "GREDYC";
        QTest::newRow("GRE without the space") << "GRE同义词"
                                               << "";
        QTest::newRow("space after PP2") << "PP2 填空词汇"
                                         << "PP2_TK";
        QTest::newRow("trailing space") << "大学四级英语 "
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void lookupMatchesTheNameExactly() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        const std::optional<CatalogEntry> entry = LibraryCatalog::findByName(name);
        QCOMPARE(entry.has_value(), !code.isEmpty());
        if (entry) QCOMPARE(entry->code, code);
    }

    void thePersonalEntryFollowsTheCoursesAndNamesTheUsersFile() {
        CurrentUser = QStringLiteral("李雷");
        const std::optional<CatalogEntry> entry = LibraryCatalog::findByName(u"用户个人生词库");
        QVERIFY(entry);
        QCOMPARE(entry->position, 97);
        QCOMPARE(entry->code, QStringLiteral("User李雷"));
    }
};

QTEST_APPLESS_MAIN(LibraryCatalogTest)
#include "test_library_catalog.moc"
