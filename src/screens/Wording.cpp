#include "screens/Wording.h"

#include <cstring>

#include "platform/Language.h"
#include "rules/Texts.h"

namespace orv::ui {

QString Shown(const std::string& engineText) {
    if (CurrentLanguage() == Language::Japanese) return QString::fromStdString(engineText);
    // A prompt is "<words><count><unit>"; its English is looked up as
    // "<words>%1<unit>" and given the count.
    const std::string unit = text::kPromptUnit;
    for (const char* words : {text::kCommandPrompt, text::kCombatPrompt}) {
        const std::size_t start = std::strlen(words);
        if (!engineText.starts_with(words) || !engineText.ends_with(unit) ||
            engineText.size() < start + unit.size())
            continue;
        const std::string count = engineText.substr(start, engineText.size() - start - unit.size());
        return Tr((words + std::string("%1") + unit).c_str()).arg(QString::fromStdString(count));
    }
    return Tr(engineText.c_str());
}

}  // namespace orv::ui
