#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
class QLineEdit;
class QRadioButton;

namespace tawen {

// One window's section of the user's settings file, declared once: each key
// is bound to the control that shows it. load() puts the stored values into
// the controls as the learner would have set them; save() writes the whole
// section back in one save.
class SettingsSection {
  public:
    explicit SettingsSection(QString name);

    // A check box, stored as "0" or "1".
    void check(const char* key, QAbstractButton& box);
    // An option button, stored as "True" or "False". Set one at a time, as
    // stored: selecting it clears its partners, clearing it leaves them be.
    void option(const char* key, QRadioButton& option);
    // A checkable menu item, stored as "True" or "False".
    void flag(const char* key, QAction& item);
    // A text box holding the stored text whole, whatever it is.
    void text(const char* key, QLineEdit& box);
    // Anything else: how a stored text is shown, and what is stored. A key
    // that must never lose a good value to an empty one (a chosen file's
    // name) skips its write when there is nothing to store.
    enum class WhenEmpty { Write, Skip };
    void value(const char* key, std::function<void(const QString&)> show,
               std::function<QString()> stored, WhenEmpty empty = WhenEmpty::Write);

    // A section whose first key holds nothing was never saved: the controls
    // keep their design state and load() says false. Otherwise every key that
    // holds a value is applied in the order declared; a missing one leaves its
    // control at the design state.
    bool load() const;

    // Writes every key in the order declared (but those skipped when empty),
    // in one save; when that fails, one message per key written.
    bool save() const;

  private:
    struct Binding {
        QString key;
        std::function<void(const QString&)> show;
        std::function<QString()> stored;
        WhenEmpty empty;
    };

    QString name_;
    QList<Binding> bindings_;
};

// "True" (in any letter case) or a number other than 0; the text form of a
// Boolean as flags and options are stored.
bool storedFlag(const QString& text);

}  // namespace tawen
