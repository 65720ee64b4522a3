#include "qt/language_menu.h"

#include "qt/platform/translation.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace tarmigo {

void addLanguageMenu(QMenu* view, QSettings* preferences) {
    QMenu* menu = view->addMenu(shownText(QT_TRANSLATE_NOOP("Tarmigo", "Language")));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const QString kept =
        preferences ? preferences->value(QLatin1String(LanguageKey)).toString() : QString();
    // Each language is named in its own words, so that a player lost in another can find it.
    const struct {
        const char* code;
        const char* name;
    } choices[] = {{"", QT_TRANSLATE_NOOP("Tarmigo", "System language")},
                   {"en", "English"},
                   {"de", "Deutsch"},
                   {"fr", "Français"}};
    for (const auto& choice : choices) {
        const QString code = QString::fromLatin1(choice.code);
        QAction* action = menu->addAction(code.isEmpty() ? shownText(choice.name)
                                                         : QString::fromUtf8(choice.name));
        action->setCheckable(true);
        action->setChecked(code == kept);
        action->setData(code);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [preferences, code] {
            if (preferences == nullptr) return;
            if (code.isEmpty())
                preferences->remove(QLatin1String(LanguageKey));
            else
                preferences->setValue(QLatin1String(LanguageKey), code);
        });
    }
}

} // namespace tarmigo
