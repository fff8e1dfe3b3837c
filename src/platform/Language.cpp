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
    // The English game reads the game's catalogue; the Japanese one the
    // Japanese words of Qt's standard buttons (はい).
    static QTranslator* catalogue = nullptr;
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue);
        delete catalogue;
        catalogue = nullptr;
    }
    current = language;
    catalogue = new QTranslator;
    // A game without its catalogue still plays, in the texts it was made with.
    if (catalogue->load(language == Language::English ? QStringLiteral(":/i18n/orvalis_en.qm")
                                                      : QStringLiteral(":/i18n/qt_ja.qm")))
        QCoreApplication::installTranslator(catalogue);
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
