#include "ui/machine/controller_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zrv {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    return named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

QComboBox* choice(QWidget* parent, const char* name, const QStringList& items, int current) {
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // a typed "1" stays 1, not 115200
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

QGroupBox* connectionFrame(QWidget* parent, PanelControls& c) {
    auto* frame = new QGroupBox(QStringLiteral("Verbindung"), parent);
    auto* grid = new QGridLayout(frame);
    c.Combo_PORT = choice(frame, "Combo_PORT", {}, -1);
    c.Command_PORTS_AKTUALISIEREN = button(frame, "Command_PORTS_AKTUALISIEREN", "Aktualisieren");
    c.Combo_BAUD = choice(frame, "Combo_BAUD", {"115200", "57600", "250000"}, 0);
    c.Command_VERBINDEN = button(frame, "Command_VERBINDEN", "Verbinden");
    c.Label_MASCHINE_ZUSTAND =
        named(new QLabel(QStringLiteral("nicht verbunden"), frame), "Label_MASCHINE_ZUSTAND");
    c.Label_MASCHINE_POSITION = named(new QLabel(frame), "Label_MASCHINE_POSITION");
    c.Label_MASCHINE_MELDUNG = named(new QLabel(frame), "Label_MASCHINE_MELDUNG");
    c.Label_MASCHINE_MELDUNG->setWordWrap(true);
    grid->addWidget(c.Combo_PORT, 0, 0);
    grid->addWidget(c.Command_PORTS_AKTUALISIEREN, 0, 1);
    grid->addWidget(c.Combo_BAUD, 1, 0);
    grid->addWidget(c.Command_VERBINDEN, 1, 1);
    grid->addWidget(c.Label_MASCHINE_ZUSTAND, 2, 0, 1, 2);
    grid->addWidget(c.Label_MASCHINE_POSITION, 3, 0, 1, 2);
    grid->addWidget(c.Label_MASCHINE_MELDUNG, 4, 0, 1, 2);
    return frame;
}

QGroupBox* jogFrame(QWidget* parent, PanelControls& c) {
    auto* frame = new QGroupBox(QStringLiteral("Verfahren"), parent);
    auto* grid = new QGridLayout(frame);
    static constexpr const char* kNames[] = {"Command_JOG_X_PLUS", "Command_JOG_X_MINUS",
                                             "Command_JOG_Y_PLUS", "Command_JOG_Y_MINUS",
                                             "Command_JOG_Z_PLUS", "Command_JOG_Z_MINUS"};
    static constexpr const char* kCaptions[] = {"X+", "X−", "Y+", "Y−", "Z+", "Z−"};
    for (std::size_t i = 0; i < c.Command_JOG.size(); ++i) {
        c.Command_JOG[i] = button(frame, kNames[i], kCaptions[i]);
        c.Command_JOG[i]->setAutoDefault(false);
        grid->addWidget(c.Command_JOG[i], static_cast<int>(i % 2), static_cast<int>(i / 2));
    }
    c.Combo_JOG_SCHRITT = choice(frame, "Combo_JOG_SCHRITT", {"0,1", "1", "10"}, 1);
    c.Combo_JOG_VORSCHUB = choice(frame, "Combo_JOG_VORSCHUB", {"100", "500", "1000"}, 1);
    grid->addWidget(new QLabel(QStringLiteral("Schritt (mm)"), frame), 2, 0);
    grid->addWidget(c.Combo_JOG_SCHRITT, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Vorschub (mm/min)"), frame), 3, 0);
    grid->addWidget(c.Combo_JOG_VORSCHUB, 3, 1, 1, 2);
    c.Command_NULLPUNKT_XY = button(frame, "Command_NULLPUNKT_XY", "Nullpunkt X Y");
    c.Command_NULLPUNKT_Z = button(frame, "Command_NULLPUNKT_Z", "Nullpunkt Z");
    c.Command_ENTSPERREN = button(frame, "Command_ENTSPERREN", "Entsperren ($X)");
    c.Command_REFERENZFAHRT = button(frame, "Command_REFERENZFAHRT", "Referenzfahrt ($H)");
    grid->addWidget(c.Command_NULLPUNKT_XY, 4, 0, 1, 2);
    grid->addWidget(c.Command_NULLPUNKT_Z, 4, 2);
    grid->addWidget(c.Command_ENTSPERREN, 5, 0, 1, 2);
    grid->addWidget(c.Command_REFERENZFAHRT, 5, 2);
    return frame;
}

QGroupBox* jobFrame(QWidget* parent, PanelControls& c) {
    auto* frame = new QGroupBox(QStringLiteral("Job"), parent);
    auto* grid = new QGridLayout(frame);
    c.Command_JOB_STARTEN = button(frame, "Command_JOB_STARTEN", "Job starten");
    c.Command_HOEHENKARTE_ANTASTEN =
        button(frame, "Command_HÖHENKARTE_ANTASTEN", "Höhenkarte antasten");
    c.ProgressBar_JOB = named(new QProgressBar(frame), "ProgressBar_JOB");
    c.ProgressBar_JOB->setValue(0);
    c.Label_JOB = named(new QLabel(frame), "Label_JOB");
    c.Command_PAUSE = button(frame, "Command_PAUSE", "Pause");
    c.Command_WEITER = button(frame, "Command_WEITER", "Weiter");
    c.Command_STOPP = button(frame, "Command_STOPP", "Stopp");
    c.Command_VORSCHUB = {button(frame, "Command_VORSCHUB_MINUS", "Vorschub −10 %"),
                          button(frame, "Command_VORSCHUB_100", "100 %"),
                          button(frame, "Command_VORSCHUB_PLUS", "+10 %")};
    grid->addWidget(c.Command_JOB_STARTEN, 0, 0, 1, 2);
    grid->addWidget(c.Command_HOEHENKARTE_ANTASTEN, 0, 2);
    grid->addWidget(c.ProgressBar_JOB, 1, 0, 1, 3);
    grid->addWidget(c.Label_JOB, 2, 0, 1, 3);
    grid->addWidget(c.Command_PAUSE, 3, 0);
    grid->addWidget(c.Command_WEITER, 3, 1);
    grid->addWidget(c.Command_STOPP, 3, 2);
    for (std::size_t i = 0; i < c.Command_VORSCHUB.size(); ++i) {
        grid->addWidget(c.Command_VORSCHUB[i], 4, static_cast<int>(i));
    }
    return frame;
}

}  // namespace

QWidget* buildMachinePanel(QWidget* parent, PanelControls& controls) {
    auto* panel = named(new QWidget(parent), "Panel_MASCHINE");
    auto* column = new QVBoxLayout(panel);
    column->addWidget(connectionFrame(panel, controls));
    column->addWidget(jogFrame(panel, controls));
    column->addWidget(jobFrame(panel, controls));
    column->addStretch(1);
    return panel;
}

}  // namespace zrv
