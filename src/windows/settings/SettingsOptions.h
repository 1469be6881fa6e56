#pragma once
// The option each check box of the settings window writes.
#include "core/ProfileSchema.h"

#include <QString>

#include <array>

namespace settingsOptions {

struct OptionBox {
    const char* name;
    ini::SwitchKey key;
};

inline constexpr std::array<OptionBox, 7> Boxes{{
    {"Check2", ini::options::WarnExit},
    {"Check3", ini::options::WarnHomepage},
    {"Check4", ini::options::WarnNewGame},
    {"Check5", ini::options::ShowSplash},
    {"Check6", ini::options::ShowHelpText},
    {"Check7", ini::options::ShowTime},
    {"Check8", ini::options::ShowRedSquare},
}};

} // namespace settingsOptions

// The option of box `name`; every box of the table has one.
inline const ini::SwitchKey& optionKey(const QString& name) {
    for (const auto& box : settingsOptions::Boxes)
        if (name == QLatin1String(box.name)) return box.key;
    return settingsOptions::Boxes[0].key;
}
