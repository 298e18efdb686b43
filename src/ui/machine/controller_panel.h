#pragma once

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace zrv {

// The controls of the panel "Maschine".
struct PanelControls {
    QComboBox* Combo_PORT = nullptr;  // editable: a port the list does not show can be typed
    QPushButton* Command_PORTS_AKTUALISIEREN = nullptr;
    QComboBox* Combo_BAUD = nullptr;
    QPushButton* Command_VERBINDEN = nullptr;  // "Verbinden", while connected "Trennen"
    QLabel* Label_MASCHINE_ZUSTAND = nullptr;
    QLabel* Label_MASCHINE_POSITION = nullptr;
    QLabel* Label_MASCHINE_MELDUNG = nullptr;
    // +X -X +Y -Y +Z -Z
    std::array<QPushButton*, 6> Command_JOG{};
    QComboBox* Combo_JOG_SCHRITT = nullptr;
    QComboBox* Combo_JOG_VORSCHUB = nullptr;
    QPushButton* Command_NULLPUNKT_XY = nullptr;
    QPushButton* Command_NULLPUNKT_Z = nullptr;
    QPushButton* Command_ENTSPERREN = nullptr;
    QPushButton* Command_REFERENZFAHRT = nullptr;
    QPushButton* Command_JOB_STARTEN = nullptr;
    QPushButton* Command_HOEHENKARTE_ANTASTEN = nullptr;
    QProgressBar* ProgressBar_JOB = nullptr;
    QLabel* Label_JOB = nullptr;
    QPushButton* Command_PAUSE = nullptr;
    QPushButton* Command_WEITER = nullptr;
    QPushButton* Command_STOPP = nullptr;
    // -10 %, 100 %, +10 %
    std::array<QPushButton*, 3> Command_VORSCHUB{};
};

// Builds the panel "Maschine" and records its controls.
QWidget* buildMachinePanel(QWidget* parent, PanelControls& controls);

}  // namespace zrv
