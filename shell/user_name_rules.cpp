#include "shell/user_name_rules.h"

#include <algorithm>

namespace tawen {

std::optional<QString> refusedUserName(const QString& name) {
    const bool hasBadCharacter = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.category() == QChar::Other_Control;
    });
    if (hasBadCharacter || name == u"." || name == u"..")
        return QStringLiteral(
            "用户名不能含有“/”、“\\”或控制字符，也不能是“.”或“..”，请换一个用户名。");
    return std::nullopt;
}

}  // namespace tawen
