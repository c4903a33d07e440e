#include "model/Outcome.h"

namespace kelpie {

std::string NotTakenText(const Outcome& outcome)
{
    if (outcome.NotTaken.empty()) {
        return {};
    }
    std::string text = "values not taken (their fields keep the values they had):";
    for (const std::string& value : outcome.NotTaken) {
        text += "\n  " + value;
    }
    return text;
}

}  // namespace kelpie
