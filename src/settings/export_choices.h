#pragma once

namespace zrv {

// What the export writes. A box counts as on when its value is not 0, except
// Check_EXPORT_VORSCHAU, which counts only when it is 1.
struct ExportChoices {
    int Check_EXPORT_BOHRUNG = 1;
    int Check_EXPORT_FRAESUNG = 1;
    int Check_EXPORT_VORSCHAU = 1;
    int Check_EXPORT_GRBL_INFO = 1;
};

}  // namespace zrv
