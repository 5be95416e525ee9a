#pragma once

#include <QString>

// The program's two addresses on the outside: its home page and the author's
// mail box. The about window and the main window's help menu both open them.
namespace tawen {

inline const QString kHomePage = QStringLiteral("https://tawen.example.org/");
inline const QString kAuthorMail = QStringLiteral("author@tawen.example.org");

// Open them with the desktop's browser and mail program; when neither can be
// started the learner is told where to go instead.
void openHomePage();
void mailAuthor();

}  // namespace tawen
