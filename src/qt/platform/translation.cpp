#include "qt/platform/translation.h"

#include "board/sentence.h"
#include "game/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace tarmigo {
namespace {

struct Loaded {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Loaded& loaded() {
    static Loaded state;
    return state;
}

} // namespace

QString shownText(const char* english) {
    if (english == nullptr || *english == '\0') return {};
    return QCoreApplication::translate(TextContext, english);
}

QString shownSentence(const Sentence& sentence) {
    return QString::fromStdString(sentenceText(sentence, [](int id) {
        const char* english = stringText(id);
        return english ? shownText(english).toStdString() : std::string();
    }));
}

QStringList availableLanguages() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")};
}

QString chosenLanguage(const QStringList& arguments, const QSettings* settings) {
    const QStringList spoken = availableLanguages();
    const auto known = [&spoken](const QString& code) {
        const QString language = code.section(QLatin1Char('_'), 0, 0).toLower();
        return spoken.contains(language) ? language : QString();
    };
    const qsizetype at = arguments.indexOf(QStringLiteral("--lang"));
    if (at >= 0 && at + 1 < arguments.size()) {
        QString language = known(arguments.at(at + 1));
        if (!language.isEmpty()) return language;
    }
    if (settings) {
        QString language = known(settings->value(QLatin1String(LanguageKey)).toString());
        if (!language.isEmpty()) return language;
    }
    // The system's language, from LC_ALL, LC_MESSAGES or LANG as the C library reads them.
    for (const QString& code : QLocale::system().uiLanguages()) {
        QString language = known(QString(code).replace(QLatin1Char('-'), QLatin1Char('_')));
        if (!language.isEmpty()) return language;
    }
    return QStringLiteral("en");
}

QString findTranslations(const QString& programFolder) {
    const QDir dir(programFolder);
    for (const QString& candidate :
         {dir.filePath(QStringLiteral("translations")),
          dir.filePath(QStringLiteral("../share/tarmigo/translations"))}) {
        const QFileInfo info(candidate);
        if (info.isDir()) return info.canonicalFilePath();
    }
    return {};
}

void useLanguage(const QString& code, const QString& translationsFolder) {
    Loaded& state = loaded();
    for (auto* translator : {&state.program, &state.qt}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    state.code = QStringLiteral("en");
    if (code == QLatin1String("en") || !availableLanguages().contains(code)) return;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("tarmigo_") + code, translationsFolder)) return;
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    state.code = code;
    // Qt's own texts (the Yes and No of a question) where Debian's Qt translations are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
}

QString currentLanguage() {
    return loaded().code;
}

} // namespace tarmigo
