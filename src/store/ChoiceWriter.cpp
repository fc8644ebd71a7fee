#include "store/ChoiceWriter.h"

#include <exception>
#include <vector>

#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {

SavedList SaveList(SettingsStore& store, const std::string& section, const ListView& view) {
    std::vector<std::string> values;
    try {
        for (int position = 1; position <= view.Count(); ++position) {
            ListRow row = view.Row(position);
            values.push_back(ChoiceValue(row.text, row.subItem));
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!CommitList(store, section, values)) return std::nullopt;
    return values;
}

SavedList SaveDesktopChoices(SettingsStore& store, const ListView& desktopList) {
    return SaveList(store, kDesktopSection, desktopList);
}

SavedList SaveCustomChoices(SettingsStore& store, const ListView& customList) {
    return SaveList(store, kCustomSection, customList);
}

}  // namespace kelvo
