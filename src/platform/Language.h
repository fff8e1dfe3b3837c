#pragma once
// The game's two languages: the design's Japanese, its own and the default,
// and English for the players who do not read it. Chosen once at start-up;
// every text the player reads goes through Tr where it is shown, so the
// words the engine stores and compares stay the design's own.
#include <QString>
#include <QStringList>

namespace orv::ui {

enum class Language { Japanese, English };

// As a desktop program chooses, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG:
// Japanese for a Japanese locale and for the C (POSIX) locale or none,
// English for every other.
Language LanguageOfLocale();
// The same from the player's languages, the preferred first ("ja-JP", "en-GB").
Language LanguageOf(const QStringList& uiLanguages);

// Loads the English catalogue, which is built into the game, for English.
void UseLanguage(Language language);
Language CurrentLanguage();

// A text of the game as the player reads it: its Japanese source, or the
// English from the catalogue (translations/orvalis_en.ts, context "Orvalis").
// Captions from the layout tables are told apart as "caption": a caption
// may be shorter in English than the same word elsewhere.
QString Tr(const char* source, const char* disambiguation = nullptr);
inline constexpr const char* kCaption = "caption";

// Whether a text holds Japanese script (kana, kanji, full-width forms or the
// ideographic space): none may show in the English game.
bool HasJapanese(const QString& text);

}  // namespace orv::ui
