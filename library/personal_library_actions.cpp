#include "library/personal_library_actions.h"

#include "library/form2_library.h"
#include "library/personal_library.h"
#include "platform/prompt.h"
#include "shell/form_registry.h"

namespace tawen {

std::optional<WordEntry> askForWord() {
    platform::Prompt& prompt = platform::prompt();
    const QString title = QStringLiteral("增加");
    // A cancelled first box ends the question: asking for the meaning of no
    // word would only make the learner cancel twice.
    const std::optional<QString> word = prompt.input(QStringLiteral("请输入单词"), title);
    if (!word) return std::nullopt;
    const std::optional<QString> meaning = prompt.input(QStringLiteral("请输入中文"), title);
    if (!isEnglishWord(*word)) {
        prompt.message(QStringLiteral("单词只能输入英文"), QStringLiteral("cuow"));
        return std::nullopt;
    }
    if (word->isEmpty() || !meaning || meaning->isEmpty()) return std::nullopt;
    return WordEntry{*word, *meaning, {}};
}

bool storePersonalLibrary(const QList<WordEntry>& words) {
    if (!writePersonalLibrary(words)) {
        platform::prompt().message(QStringLiteral("个人生词库没有保存成功，原来的词库保持不变。"
                                                  "请检查磁盘空间和文件夹的写入权限后再试。"),
                                   QStringLiteral("错误提示"));
        return false;
    }
    forms().form<Form2>().showPersonalLibraryRow(!words.isEmpty());
    return true;
}

void reportUnreadablePersonalLibrary() {
    platform::prompt().message(QStringLiteral("个人生词库不能读入，可能文件被破坏或没有读取权限。"
                                              "为了不覆盖它，这次不能保存。"),
                               QStringLiteral("错误提示"));
}

}  // namespace tawen
