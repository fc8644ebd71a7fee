#include "store/ChoiceWriter.h"

#include <stdexcept>

#include "store/Choices.h"

namespace kelvo {

void SaveList(SettingsStore& store, const std::string& section, const ListView& view) {
    int position = 1;
    try {
        for (; position <= view.Count(); ++position) {
            ListRow row = view.Row(position);
            SaveChoice(store, section, ChoiceKey(position), ChoiceValue(row.text, row.subItem));
        }
    } catch (const std::exception&) {
        // A row that cannot be read or written ends the list where it stands.
    }
    SaveChoice(store, section, ChoiceKey(position), kDoneValue);
}

void SaveDesktopChoices(SettingsStore& store, const ListView& listView1) {
    SaveList(store, kDesktopSection, listView1);
}

void SaveCustomChoices(SettingsStore& store, const ListView& listView2) {
    SaveList(store, kCustomSection, listView2);
}

}  // namespace kelvo
