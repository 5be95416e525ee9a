#pragma once

#include <QString>

#include <optional>

namespace tawen {

// A user name also names the user's files (User/<name>.ini, Word/User<name>.twn),
// so it must stay one plain file name inside the program's folder.
// Returns the message to show when the name is refused.
std::optional<QString> refusedUserName(const QString& name);

}  // namespace tawen
