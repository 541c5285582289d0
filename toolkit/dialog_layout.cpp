#include "toolkit/dialog_layout.h"

#include "common/number_forms.h"

namespace AvcalcMod {

std::string DialogTitle(const std::string& title, const std::string& defaultTitle) {
    return title.empty() ? defaultTitle : title;
}

std::string DialogCaption(std::string_view title) {
    return "   " + std::string(title);
}

bool TahomaRuleApplies(std::string_view title, std::string_view fontRuleLine) {
    return title.substr(0, 12) == fontRuleLine.substr(0, 12);
}

bool SecondButtonSkips(std::string_view title, std::string_view questionTitle) {
    return title.substr(0, 3) == "Cop" || title == questionTitle;
}

ButtonPlan PlanButtons(std::int32_t code, float windowWidth, bool farewellTitle,
                       std::int32_t layoutMode) {
    ButtonPlan plan;
    switch (code) {
        case 0: {
            plan.secondShown = false;
            // Whole number first, then integer division: 7000 gives 3000.
            const std::int32_t whole = numbers::ToLong(windowWidth).value_or(0);
            plan.okLeft = static_cast<float>(whole / 2 - 500);
            plan.secondLeft = 5500.0F;
            if (farewellTitle) {
                plan.okShown = false;
                plan.farewell = true;
                // 600 - 50 x 2: the farewell text loses 500 twips.
                plan.textShrink =
                    static_cast<float>(600 - 50 * static_cast<std::int64_t>(layoutMode));
            }
            break;
        }
        case 2:
            plan.okLeft = 2400.0F;
            plan.secondLeft = 3800.0F;
            plan.buttonTop = 500.0F;
            break;
        case 6:
            plan.okLeft = 3900.0F;
            plan.secondLeft = 5500.0F;
            plan.okShown = false;
            plan.secondShown = false;
            plan.textShrink = 600.0F;
            break;
        default:
            plan.okLeft = 3900.0F;
            plan.secondLeft = 5500.0F;
            break;
    }
    return plan;
}

float DialogWindowHeight(float textHeight) {
    return textHeight + 1300.0F;
}

float ButtonTopBelowText(float textTop, float textHeight) {
    const auto bottom =
        numbers::ToLong(static_cast<double>(textTop) + static_cast<double>(textHeight));
    if (!bottom || *bottom > INT32_MAX - 200) return textTop;
    return static_cast<float>(*bottom + 200);
}

}  // namespace AvcalcMod
