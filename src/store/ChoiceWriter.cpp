#include "store/ChoiceWriter.h"

#include <exception>
#include <vector>

#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {

bool SaveList(SettingsStore& store, const std::string& section, const ListView& view) {
    std::vector<std::string> values;
    try {
        for (int position = 1; position <= view.Count(); ++position) {
            ListRow row = view.Row(position);
            values.push_back(ChoiceValue(row.text, row.subItem));
        }
    } catch (const std::exception&) {
        return false;
    }
    return CommitList(store, section, values);
}

bool SaveDesktopChoices(SettingsStore& store, const ListView& listView1) {
    return SaveList(store, kDesktopSection, listView1);
}

bool SaveCustomChoices(SettingsStore& store, const ListView& listView2) {
    return SaveList(store, kCustomSection, listView2);
}

}  // namespace kelvo
