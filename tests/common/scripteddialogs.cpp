#include "scripteddialogs.h"

namespace wmtest {

wm::Dialogs::Answer ScriptedDialogs::messageBox(const QString& text, const QString& title,
                                                Buttons buttons, Icon icon) {
    shown_.append({false, text, title, buttons, icon, {}});
    if (script_.isEmpty() || script_.first().input) {
        unexpected_ << QStringLiteral("unexpected message box: %1 / %2").arg(title, text);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return script_.takeFirst().answer;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    shown_.append({true, prompt, title, Buttons::OkCancel, Icon::None, defaultText});
    if (script_.isEmpty() || !script_.first().input) {
        unexpected_ << QStringLiteral("unexpected input box: %1 / %2").arg(title, prompt);
        return QString();
    }
    return script_.takeFirst().typed;
}

QStringList ScriptedDialogs::problems() const {
    QStringList all = unexpected_;
    if (!script_.isEmpty())
        all << QStringLiteral("%1 scripted answer(s) never used").arg(script_.size());
    return all;
}

void ScriptedDialogs::reset() {
    script_.clear();
    shown_.clear();
    unexpected_.clear();
}

}  // namespace wmtest
