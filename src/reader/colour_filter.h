#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "reader/figure_filter.h"

namespace zrv {

// FARBE_AKTIV: whether the colour at `position` of the record text (three bytes red, green,
// blue; position k holds the record's offset k) passes the colour boxes. No answer when the
// record ends before its third colour byte.
std::optional<bool> FARBE_AKTIV(std::string_view record, std::size_t position,
                                const FigureFilter& filter);

}  // namespace zrv
