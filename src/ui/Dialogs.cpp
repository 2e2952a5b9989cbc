#include "ui/Dialogs.h"

namespace tunbox {

std::optional<int> Dialogs::ChooseLanguage(const LanguageDialogRequest& /*request*/) {
    return std::nullopt;
}

} // namespace tunbox
