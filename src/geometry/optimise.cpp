#include "geometry/optimise.h"

namespace zrv {

// Placeholder until the drill order and the milling order land.
void GRAFIC_OPTIMIEREN(FigureStore& store, const PrepareChoices& choices, Host& host) {
    BOHRUNGEN_OPTIMIEREN(store.PUNKTE, choices.Combo_BOHRUNGEN_OPTIMIEREN, host);
    FRAESUNGEN_OPTIMIEREN(store.FRAESUNGEN, choices.Combo_FRAESUNGEN_OPTIMIEREN, host);
}
void BOHRUNGEN_OPTIMIEREN(std::vector<std::string>&, std::string_view, Host& host) {
    host.progress.setDrillTravelLabel("?");
}
void FRAESUNGEN_OPTIMIEREN(std::vector<std::string>&, std::string_view, Host&) {}
std::string PFAD_UMKEHREN(std::string_view path) { return std::string(path); }

}  // namespace zrv
