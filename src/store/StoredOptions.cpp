#include "store/StoredOptions.h"

#include <array>
#include <exception>
#include <utility>

namespace kelvo {
namespace {

constexpr auto kModifierNames = std::to_array<std::pair<unsigned, std::string_view>>({
    {HotKey::kCtrl, "Ctrl"},
    {HotKey::kAlt, "Alt"},
    {HotKey::kShift, "Shift"},
});

constexpr auto kNamedKeys = std::to_array<std::pair<unsigned, std::string_view>>({
    {0x20, "Space"}, {0x21, "PageUp"}, {0x22, "PageDown"}, {0x23, "End"},   {0x24, "Home"},
    {0x25, "Left"},  {0x26, "Up"},     {0x27, "Right"},    {0x28, "Down"},  {0x2D, "Insert"},
    {0x2E, "Delete"},
});

constexpr unsigned kF1 = 0x70;
constexpr unsigned kNumPad0 = 0x60;
constexpr std::string_view kCodePrefix = "Key";

// Letters and digits by themselves, F1 to F24, the keypad's digits, a few
// named keys, and any other key by its code.
std::string KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= kF1 && key < kF1 + 24) return "F" + std::to_string(key - kF1 + 1);
    if (key >= kNumPad0 && key < kNumPad0 + 10) return "Num" + std::to_string(key - kNumPad0);
    for (const auto& [code, name] : kNamedKeys)
        if (code == key) return std::string(name);
    return std::string(kCodePrefix) + std::to_string(key);
}

std::optional<unsigned> KeyOfName(const std::string& name) {
    for (unsigned key = 1; key < 255; ++key)
        if (KeyName(key) == name) return key;
    return std::nullopt;
}

// An option that is on until the user turns it off: on also when the value
// is missing or cannot be read.
bool ReadOnUnlessZero(SettingsStore& store, const char* name) {
    try {
        const StoredValue value = store.Get(kOptionsSection, name);
        return !(value.kind == StoredValue::Kind::Text && value.text == "0");
    } catch (const std::exception&) {
        return true;
    }
}

void WriteOnOrOff(SettingsStore& store, const char* name, bool on) {
    store.Put(kOptionsSection, name, on ? "1" : "0");
}

}  // namespace

std::string HotKeyText(const HotKey& key) {
    std::string text;
    for (const auto& [modifier, name] : kModifierNames)
        if (key.modifiers & modifier) text += std::string(name) + "+";
    return text + KeyName(key.key);
}

std::optional<HotKey> ParseHotKey(const std::string& text) {
    HotKey parsed;
    std::size_t start = 0;
    for (std::size_t plus; (plus = text.find('+', start)) != std::string::npos; start = plus + 1) {
        const std::string part = text.substr(start, plus - start);
        unsigned modifier = 0;
        for (const auto& [bit, name] : kModifierNames)
            if (name == part) modifier = bit;
        if (modifier == 0 || (parsed.modifiers & modifier)) return std::nullopt;
        parsed.modifiers |= modifier;
    }
    const std::optional<unsigned> key = KeyOfName(text.substr(start));
    if (!key) return std::nullopt;
    parsed.key = *key;
    // Only the text this program writes names a key: modifiers in its order.
    if (HotKeyText(parsed) != text) return std::nullopt;
    return parsed;
}

std::optional<HotKey> ReadMenuKey(SettingsStore& store) {
    try {
        const StoredValue value = store.Get(kOptionsSection, kMenuKeyName);
        if (value.kind != StoredValue::Kind::Text) return std::nullopt;
        const std::optional<HotKey> key = ParseHotKey(value.text);
        // A key without them would be taken from every program: each K typed
        // anywhere would open the menu.
        if (!key || (key->modifiers & (HotKey::kCtrl | HotKey::kAlt)) == 0) return std::nullopt;
        return key;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void WriteMenuKey(SettingsStore& store, const std::optional<HotKey>& key) {
    store.Put(kOptionsSection, kMenuKeyName, key ? HotKeyText(*key) : std::string());
}

bool ReadFolderMenus(SettingsStore& store) {
    return ReadOnUnlessZero(store, kFolderMenusName);
}

void WriteFolderMenus(SettingsStore& store, bool on) {
    WriteOnOrOff(store, kFolderMenusName, on);
}

bool ReadMenuIcons(SettingsStore& store) {
    return ReadOnUnlessZero(store, kMenuIconsName);
}

void WriteMenuIcons(SettingsStore& store, bool on) {
    WriteOnOrOff(store, kMenuIconsName, on);
}

}  // namespace kelvo
