#include "windows/settings/SettingsPages.h"

#include "ui/Resources.h"

namespace settingsLayout {

std::optional<Page> pageFor(const QString& mode) {
    if (mode == QLatin1String("all")) {
        return Page{resources::SettingsIcon,
                    5985,
                    6795,
                    nullptr,
                    true,
                    5130,
                    {3450, 3270, 3135, 975},
                    225,
                    false,
                    Text1.width,
                    Combo1.left,
                    Combo1.width,
                    Combo2.left};
    }
    if (mode == QLatin1String("user")) {
        return Page{
            resources::UserIcon, 3465,  2530,        "Frame2",    false,        1690,       Frame7,
            Check9.width,        false, Text1.width, Combo1.left, Combo1.width, Combo2.left};
    }
    if (mode == QLatin1String("alarm")) {
        return Page{resources::AlarmIcon,
                    3465,
                    2100,
                    "Frame7",
                    false,
                    1260,
                    {120, 90, 3135, 1035},
                    1305,
                    true,
                    2805,
                    1770,
                    585,
                    2370};
    }
    return std::nullopt;
}

QSize clientSize(const Page& page) {
    return {twips::px(page.width - BorderWidth), twips::px(page.height - TitleAndBorderHeight)};
}

} // namespace settingsLayout
