#include "settings/parameters.h"

#include <algorithm>

#include "settings/plain_number.h"

namespace zrv {

const ParameterRow& parameterRow(const ParameterGroup& group, ParameterRole role) {
    // Every group holds each role once, so the search always finds it.
    return *std::ranges::find(group, role, &ParameterRow::role);
}

namespace {

ToolNumbers toolNumbers(const ParameterGroup& group, const Parameters& texts) {
    ToolNumbers numbers;
    for (const ParameterRow& row : group) {
        numbers.byRole[static_cast<std::size_t>(row.role)] = parameterValue(texts.*row.text);
    }
    return numbers;
}

}  // namespace

ParameterValues parameterValues(const Parameters& texts) {
    return {toolNumbers(kDrillingParameters, texts), toolNumbers(kMillingParameters, texts)};
}

Parameters cleanParameters(const Parameters& parameters, NumberLocale locale) {
    Parameters result = parameters;
    for (const ParameterGroup* group : kParameterGroups) {
        for (const ParameterRow& row : *group) {
            result.*row.text = plainNumberText(parameterNumber(result.*row.text), locale);
        }
    }
    return result;
}

}  // namespace zrv
