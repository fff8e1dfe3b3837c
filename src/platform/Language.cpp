#include "platform/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace orv::ui {
namespace {

Language current = Language::Japanese;

}  // namespace

Language LanguageOfLocale() {
    return LanguageOf(QLocale::system().uiLanguages());
}

Language LanguageOf(const QStringList& uiLanguages) {
    const QString first = uiLanguages.isEmpty() ? QString() : uiLanguages.first();
    if (first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("ja")))
        return Language::Japanese;
    return Language::English;
}

void UseLanguage(Language language) {
    static QTranslator* english = nullptr;
    if (english) {
        QCoreApplication::removeTranslator(english);
        delete english;
        english = nullptr;
    }
    current = language;
    if (language != Language::English) return;
    english = new QTranslator;
    // A game without its catalogue still plays, in the texts it was made with.
    if (english->load(QStringLiteral(":/i18n/orvalis_en.qm")))
        QCoreApplication::installTranslator(english);
}

Language CurrentLanguage() {
    return current;
}

QString Tr(const char* source, const char* disambiguation) {
    return QCoreApplication::translate("Orvalis", source, disambiguation);
}

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

}  // namespace orv::ui
