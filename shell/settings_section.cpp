#include "shell/settings_section.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

#include "shell/user_settings.h"

namespace tawen {

namespace {

QString flagText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace

bool storedFlag(const QString& text) {
    const QString value = text.trimmed();
    if (value.compare(u"True", Qt::CaseInsensitive) == 0) return true;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && std::isfinite(number) && number != 0;
}

SettingsSection::SettingsSection(QString name) : name_(std::move(name)) {}

void SettingsSection::check(const char* key, QAbstractButton& box) {
    value(
        key, [&box](const QString& text) { box.setChecked(text.trimmed().toInt() == 1); },
        [&box] { return box.isChecked() ? QStringLiteral("1") : QStringLiteral("0"); });
}

void SettingsSection::option(const char* key, QRadioButton& option) {
    value(
        key,
        [&option](const QString& text) {
            if (storedFlag(text)) {
                option.setChecked(true);
                return;
            }
            // An exclusive button cannot be cleared by itself otherwise.
            option.setAutoExclusive(false);
            option.setChecked(false);
            option.setAutoExclusive(true);
        },
        [&option] { return flagText(option.isChecked()); });
}

void SettingsSection::flag(const char* key, QAction& item) {
    value(
        key, [&item](const QString& text) { item.setChecked(storedFlag(text)); },
        [&item] { return flagText(item.isChecked()); });
}

void SettingsSection::text(const char* key, QLineEdit& box) {
    value(
        key, [&box](const QString& text) { box.setText(text); }, [&box] { return box.text(); });
}

void SettingsSection::value(const char* key, std::function<void(const QString&)> show,
                            std::function<QString()> stored, WhenEmpty empty) {
    bindings_.append({QString::fromUtf8(key), std::move(show), std::move(stored), empty});
}

bool SettingsSection::load() const {
    const QList<platform::IniEntry> stored = ReadSettings(name_);
    const auto valueOf = [&stored](const QString& key) {
        return platform::findIniValue(stored, key);
    };
    if (bindings_.isEmpty() || valueOf(bindings_.first().key).isEmpty()) return false;
    for (const Binding& binding : bindings_) {
        const QString text = valueOf(binding.key);
        if (!text.isEmpty()) binding.show(text);
    }
    return true;
}

bool SettingsSection::save() const {
    QList<platform::IniEntry> entries;
    for (const Binding& binding : bindings_) {
        const QString text = binding.stored();
        if (text.isEmpty() && binding.empty == WhenEmpty::Skip) continue;
        entries.append({binding.key, text});
    }
    return WriteSettings(name_, entries);
}

}  // namespace tawen
