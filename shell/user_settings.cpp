#include "shell/user_settings.h"

#include <array>

#include "platform/ini_file.h"
#include "platform/prompt.h"
#include "shell/session.h"

namespace tawen {

namespace {

struct SettingDefault {
    const char* section;
    const char* key;
    const char* value;
};

constexpr std::array kDefaults = {
    SettingDefault{"词库", "名称", "小学英语第一册"},
    SettingDefault{"词库", "序号", "0"},
    SettingDefault{"词库", "全部", "True"},
    SettingDefault{"词库", "词始", "1"},
    SettingDefault{"词库", "词终", "50"},
    SettingDefault{"初记", "英文发音", "1"},
    SettingDefault{"初记", "打乱词序", "0"},
    SettingDefault{"初记", "显示英文", "1"},
    SettingDefault{"初记", "显示中文", "1"},
    SettingDefault{"初记", "显示相似", "1"},
    SettingDefault{"初记", "同时出现", "0"},
    SettingDefault{"初记", "缓出中文", "True"},
    SettingDefault{"初记", "缓出英文", "False"},
    SettingDefault{"初记", "朗读遍数", "1"},
    SettingDefault{"初记", "间隔秒数", "3"},
    SettingDefault{"复习", "打乱词序", "0"},
    SettingDefault{"复习", "读出英文", "1"},
    SettingDefault{"复习", "听声选择", "0"},
    SettingDefault{"复习", "选错复读", "1"},
    SettingDefault{"复习", "中文选项", "True"},
    SettingDefault{"复习", "英文选项", "False"},
    SettingDefault{"巩固", "显示中文", "1"},
    SettingDefault{"巩固", "打乱次序", "0"},
    SettingDefault{"巩固", "英语读音", "1"},
    SettingDefault{"巩固", "显示提示", "1"},
    SettingDefault{"巩固", "许错遍数", "3"},
    SettingDefault{"巩固", "隔读秒数", "3"},
    SettingDefault{"小窗口", "英文发音", "True"},
    SettingDefault{"小窗口", "打乱词序", "False"},
    SettingDefault{"小窗口", "单行显示", "False"},
    SettingDefault{"小窗口", "双行显示", "True"},
    SettingDefault{"小窗口", "同时出现", "False"},
    SettingDefault{"小窗口", "缓出中文", "True"},
    SettingDefault{"小窗口", "缓出英文", "False"},
    SettingDefault{"小窗口", "读词遍数", "1"},
    SettingDefault{"小窗口", "间隔时间", "3"},
    SettingDefault{"小窗口", "位置X", "3800"},
    SettingDefault{"小窗口", "位置Y", "3800"},
};

}  // namespace

QString ReadSetting(const QString& section, const QString& key) {
    return platform::readIniValue(SettingsPath(), section, key);
}

QList<platform::IniEntry> ReadSettings(const QString& section) {
    return platform::readIniSection(SettingsPath(), section);
}

QString writeFailureMessage(const QString& section, const QString& key) {
    const QString failed = QStringLiteral("出错！");
    if (section == u"词库" || section == u"初记精灵") return u'写' + key + failed;
    if (section == u"小窗口" && key.startsWith(u"位置"))
        return QStringLiteral("保存小窗口") + key + failed;
    return key + failed;
}

bool WriteSetting(const QString& section, const QString& key, const QString& value) {
    if (platform::writeIniValue(SettingsPath(), section, key, value)) return true;
    platform::prompt().message(writeFailureMessage(section, key));
    return false;
}

bool WriteSettings(const QString& section, const QList<platform::IniEntry>& entries) {
    if (platform::writeIniSection(SettingsPath(), section, entries)) return true;
    for (const platform::IniEntry& entry : entries)
        platform::prompt().message(writeFailureMessage(section, entry.key));
    return false;
}

bool writeDefaultSettings() {
    QList<platform::IniSection> sections;
    for (const SettingDefault& row : kDefaults) {
        const QString section = QString::fromUtf8(row.section);
        if (sections.isEmpty() || sections.last().name != section) sections.append({section, {}});
        sections.last().entries.append({QString::fromUtf8(row.key), QString::fromUtf8(row.value)});
    }
    if (platform::writeIniFile(SettingsPath(), sections)) return true;
    for (const platform::IniSection& section : sections)
        for (const platform::IniEntry& entry : section.entries)
            platform::prompt().message(writeFailureMessage(section.name, entry.key));
    return false;
}

}  // namespace tawen
