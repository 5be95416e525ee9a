#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace tawen {

// The list row for the learner's own library, shown after the built-in courses.
inline const QString PersonalLibraryEntry = QStringLiteral("用户个人生词库");

struct CatalogEntry {
    int position;  // place in the course list, stored in the settings as 序号
    QString displayName;
    QString code;  // the stem of the file name under Word/
};

// The built-in courses in the order the course list shows them.
class LibraryCatalog {
  public:
    static constexpr int CourseCount = 97;

    static const QList<CatalogEntry>& courses();

    // The row after the courses; its code names the current user's file.
    static CatalogEntry personalEntry();

    // The course (or the personal entry) whose display name is exactly name.
    static std::optional<CatalogEntry> findByName(QStringView name);
};

}  // namespace tawen
