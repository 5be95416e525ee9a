#include "library/library_catalog.h"

#include <iterator>

#include "shell/session.h"

namespace tawen {

namespace {

struct Course {
    const char16_t* name;
    const char16_t* code;
};

// clang-format off
constexpr Course Courses[] = {
    {u"小学第一册(旧版)", u"xx1"},
    {u"小学第二册(旧版)", u"xx2"},
    {u"小学第三册(旧版)", u"xx3"},
    {u"小学第四册(旧版)", u"xx4"},
    {u"小学第一册(新编)", u"XX1new"},
    {u"小学第二册(新编)", u"XX2new"},
    {u"小学第三册(新编)", u"XX3new"},
    {u"小学第四册(新编)", u"XX4new"},
    {u"小学第五册(新编)", u"XX5new"},
    {u"小学第六册(新编)", u"XX6new"},
    {u"小学三年级上(PEP)", u"pepxx3a"},
    {u"小学三年级下(PEP)", u"pepxx3b"},
    {u"小学四年级上(PEP)", u"pepxx4a"},
    {u"小学四年级下(PEP)", u"pepxx4b"},
    {u"小学五年级上(PEP)", u"pepxx5a"},
    {u"小学五年级下(PEP)", u"pepxx5b"},
    {u"小学六年级上(PEP)", u"pepxx6a"},
    {u"小学六年级下(PEP)", u"pepxx6b"},
    {u"初中英语1(旧版)", u"CZ1"},
    {u"初中英语2(旧版)", u"CZ2"},
    {u"初中英语3(旧版)", u"CZ3"},
    {u"初中英语4(旧版)", u"CZ4"},
    {u"初中英语5(旧版)", u"CZ5"},
    {u"初中英语6(旧版)", u"CZ6"},
    {u"初中英语1(朗文)", u"CzLw1"},
    {u"初中英语2(朗文)", u"CzLw2"},
    {u"初中英语3(朗文)", u"CzLw3"},
    {u"初中七年级上(新目标)", u"Czxmb7a"},
    {u"初中七年级下(新目标)", u"Czxmb7b"},
    {u"初中八年级上(新目标)", u"Czxmb8a"},
    {u"初中八年级下(新目标)", u"Czxmb8b"},
    {u"初中九年级(新目标)", u"Czxmb9"},
    {u"初中英语1上(外研版)", u"wycz1a"},
    {u"初中英语1下(外研版)", u"wycz1b"},
    {u"初中英语2上(外研版)", u"wycz2a"},
    {u"高中英语1(旧版)", u"GZ1"},
    {u"高中英语2(旧版)", u"GZ2"},
    {u"高中英语3(旧版)", u"GZ3"},
    {u"高中英语1上(朗文)", u"GzLw1a"},
    {u"高中英语1下(朗文)", u"GzLw1b"},
    {u"高中英语2上(朗文)", u"GzLw2a"},
    {u"高中英语2下(朗文)", u"GzLw2b"},
    {u"高中英语3上(朗文)", u"GzLw3a"},
    {u"高中英语3下(朗文)", u"GzLw3b"},
    {u"高中英语1上(人教)", u"newgz1a"},
    {u"高中英语1下(人教)", u"newgz1b"},
    {u"高中英语2上(人教)", u"newgz2a"},
    {u"高中英语2下(人教)", u"newgz2b"},
    {u"高中英语3(人教)", u"newgz3"},
    {u"新概念1", u"NCE1"},
    {u"新概念2", u"NCE2"},
    {u"新概念3", u"NCE3"},
    {u"新概念4", u"NCE4"},
    {u"上教精读第一册", u"SJJD1"},
    {u"上教精读第二册", u"SJJD2"},
    {u"雅思英语", u"IELTS"},
    {u"雅思英语完整版", u"isall"},
    {u"太傻单词", u"TAISHA"},
    {u"懒人单词", u"LasyWord"},
    {u"大学英语1（新视野）", u"Dxxsy1"},
    {u"大学英语2（新视野）", u"Dxxsy2"},
    {u"大学英语3（新视野）", u"Dxxsy3"},
    {u"大学英语4（新视野）", u"Dxxsy4"},
    {u"大学四级英语", u"CET4"},
    {u"大学六级英语", u"CET6"},
    {u"大学英语词组(5,6级)", u"CET56cz"},
    {u"大学英语词组", u"DXcz"},
    {u"高教自学考试英语", u"GJZX"},
    {u"大学英语自学教程上", u"Dxzxa"},
    {u"大学英语自学教程下", u"Dxzxb"},
    {u"研究生入学词汇", u"YJS"},
    {u"研究生入学词组", u"YJScz"},
    {u"GRE 词汇", u"GRE"},
    {u"GRE 同义词", u"GREDYC"},
    {u"GRE 逆序", u"GRENXAll"},
    {u"GMAT 词汇", u"GMAT"},
    {u"MBA 词汇", u"MBA"},
    {u"PP2 中的单词", u"PP2"},
    {u"PP2 类比反义词汇", u"pp2_lbfyc"},
    {u"PP2 填空词汇", u"PP2_TK"},
    {u"托福单词", u"TOEFL"},
    {u"托福词汇", u"TOEFLCiHui"},
    {u"托福词组", u"TOEFLCZ"},
    {u"外贸英语一", u"WM1"},
    {u"外贸英语二", u"WM2"},
    {u"外贸英语三", u"WM3"},
    {u"外贸英语四", u"WM4"},
    {u"金融英语", u"COMMERCE"},
    {u"计算机英语", u"COMPUTER"},
    {u"医学英语第一册", u"YX1"},
    {u"医学英语第二册", u"YX2"},
    {u"医学英语第三册", u"YX3"},
    {u"职称英语考试A", u"ZCa"},
    {u"职称英语考试B", u"ZCb"},
    {u"职称英语考试C", u"ZCc"},
    {u"分类词汇", u"Flword"},
    {u"墨然疯狂英语356句", u"lyyu365"},
};
// clang-format on

static_assert(std::size(Courses) == LibraryCatalog::CourseCount);

QList<CatalogEntry> buildCourses() {
    QList<CatalogEntry> entries;
    entries.reserve(LibraryCatalog::CourseCount);
    for (const Course& course : Courses) {
        entries.append({int(entries.size()), QString::fromUtf16(course.name),
                        QString::fromUtf16(course.code)});
    }
    return entries;
}

}  // namespace

const QList<CatalogEntry>& LibraryCatalog::courses() {
    static const QList<CatalogEntry> entries = buildCourses();
    return entries;
}

CatalogEntry LibraryCatalog::personalEntry() {
    return {CourseCount, PersonalLibraryEntry, QStringLiteral("User") + CurrentUser};
}

std::optional<CatalogEntry> LibraryCatalog::findByName(QStringView name) {
    if (name == PersonalLibraryEntry) return personalEntry();
    for (const CatalogEntry& entry : courses()) {
        if (entry.displayName == name) return entry;
    }
    return std::nullopt;
}

}  // namespace tawen
