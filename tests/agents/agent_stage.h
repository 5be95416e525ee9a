#pragma once

#include <QComboBox>
#include <QDir>
#include <QStringList>

#include <memory>

#include "agents/form9_agent_learn.h"
#include "fakes/desktop.h"
#include "fakes/recording_characters.h"
#include "library/form2_library.h"
#include "platform/random_source.h"
#include "shell/form6_main.h"
#include "shell/form_registry.h"
#include "shell/session.h"
#include "shell/user_settings.h"

// What the agent first-learn's tests stand on: a desktop with two character
// files (bao.tcf, zippy.tcf) and a recording character engine, a learner
// "tester" with course xx1 (小学第一册(旧版)) loaded, and ways to read what
// the characters were asked to do.
class AgentStage {
  public:
    struct Setting {
        const char* key;
        const char* value;
    };

    static inline const QString kSection = QStringLiteral("初记精灵");
    static inline const QString kNoVoice =
        QStringLiteral("电脑没有安装该发音,") + QChar(13) + QStringLiteral("请到塔文英语主页下载.");

    AgentStage() : characters(installRecordingCharacters()) {
        tawen::CurrentUser = QStringLiteral("tester");
        QDir().mkpath(tawen::characterFolder());
        addCharacter("zippy.tcf");
        addCharacter("bao.tcf");
    }

    ~AgentStage() {
        tawen::forms().discardAll();
        platform::installRandom(std::make_unique<platform::SystemRandom>());
        installRecordingCharacters();
    }

    Desktop desktop;
    RecordingCharacters& characters;

    void addCharacter(const QString& file) {
        desktop.root.write("system/msagent/chars/" + file, "x");
    }

    // The user's file with every default and the range; the agent's section
    // only when options are given.
    static void writeSettings(int first, int last, std::initializer_list<Setting> options = {}) {
        using tawen::WriteSetting;
        tawen::writeDefaultSettings();
        WriteSetting("词库", "全部", "False");
        WriteSetting("词库", "词始", QString::number(first));
        WriteSetting("词库", "词终", QString::number(last));
        for (const Setting& option : options)
            WriteSetting(kSection, QString::fromUtf8(option.key), QString::fromUtf8(option.value));
    }

    // As after login: the main window with the library window, then the
    // agent window on its first reference.
    static tawen::Form9& open() {
        tawen::forms().form<tawen::Form6>();
        tawen::forms().form<tawen::Form2>();
        return tawen::forms().form<tawen::Form9>();
    }

    static tawen::WordTable& words() { return *tawen::forms().form<tawen::Form2>().words; }

    static QStringList itemsOf(const QComboBox& box) {
        QStringList items;
        for (int i = 0; i < box.count(); ++i) items.append(box.itemText(i));
        return items;
    }

    // The calls from the nth on, each wait naming the call it waits for:
    // "AgentIDB Wait [AgentIDA Play greet]".
    QStringList calls(qsizetype from) const {
        QStringList readable = characters.callsFrom(from);
        for (QString& line : readable) {
            if (!line.contains(" Wait ")) continue;
            const quint64 number = line.section(u'#', -1).toULongLong();
            for (const QString& made : characters.log)
                if (made.contains(" -> #") && RecordingCharacters::numberIn(made) == number)
                    line =
                        line.section(" Wait ", 0, 0) + " Wait [" + made.section(" -> ", 0, 0) + "]";
        }
        return readable;
    }

    // The calls of one exchange over a word, A first.
    static QStringList exchange(const QString& a, const QString& aLook, const QString& b,
                                const QString& bLook) {
        return {"AgentIDA Speak " + a,
                "AgentIDA Play " + aLook,
                "AgentIDB Wait [AgentIDA Play " + aLook + "]",
                "AgentIDB Speak " + b,
                "AgentIDB Play " + bLook,
                "AgentIDA Wait [AgentIDB Play " + bLook + "]"};
    }
};
