#pragma once

#include <QString>

#include <optional>

#include "tools/lexicon.h"

namespace tawen {

// What a course adds to each meaning beyond the lexicon's own text.
enum class CourseExtra {
    None,
    Synonyms,  // "adj. 大胆的；同义：bold, daring"
    Antonyms,  // "adj. 大胆的；反义：timid"
};

std::optional<CourseExtra> courseExtraNamed(const QString& name);

// Makes the rows of one course from its list: "word#meaning#[ipa]" lines ending
// in CR LF, in the order of the list. A list holds one headword a line after its
// "#" header lines; a line "headword<Tab>topic" puts 【topic】 before the meaning.
// Returns nothing and says why in `error` when a headword has no entry, appears
// twice, or lacks the synonyms or antonym the course asks for.
std::optional<QString> joinCourse(const Lexicon& lexicon, const QString& listText,
                                  CourseExtra extra, QString& error);

}  // namespace tawen
