#include "ui/window/window_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cstddef>
#include <string>

#include "ui/common/qt_text.h"
#include "ui/controls/depth_step_boxes.h"

namespace zrv {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(text(name));
    return widget;
}

QCheckBox* check(QWidget* parent, const char* name, const char* caption, bool ticked) {
    auto* box = named(new QCheckBox(text(caption), parent), name);
    box->setChecked(ticked);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    return named(new QLabel(text(caption), parent), name);
}

QComboBox* combo(QWidget* parent, const char* name) {
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The default completer fills in the rest of the first matching item: a typed feed of 5
    // would leave the box as 50. What is typed is the value; the list still offers its items.
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(6);
    return box;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption) {
    return named(new QGroupBox(text(caption), parent), name);
}

QGroupBox* drawingFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame6", "Zeichnen");
    auto* layout = new QGridLayout(box);
    c.Check_VIEW_RASTER = check(box, "Check_VIEW_RASTER", "Raster", false);
    c.Label_Raster = label(box, "Label_Raster", "?");
    c.Check_VIEW_LINEAL = check(box, "Check_VIEW_LINEAL", "Lineal", false);
    c.Check_BEREICH = check(box, "Check_BEREICH", "Bereich", false);
    c.Check_NULL_PUNKT = check(box, "Check_NULL_PUNKT", "Null-Punkt", false);
    c.Check_BUENDIG = check(box, "Check_BÜNDIG", "bündig", false);
    c.Check_SPIEGELN_HORIZONTAL =
        check(box, "Check_SPIEGELN_HORIZONTAL", "spiegeln-horizontal", false);
    layout->addWidget(c.Check_VIEW_RASTER, 0, 0);
    layout->addWidget(c.Label_Raster, 0, 1);
    int row = 1;
    for (QCheckBox* each : {c.Check_VIEW_LINEAL, c.Check_BEREICH, c.Check_NULL_PUNKT,
                            c.Check_BUENDIG, c.Check_SPIEGELN_HORIZONTAL}) {
        layout->addWidget(each, row++, 0, 1, 2);
    }
    return box;
}

QGroupBox* coloursFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame10", "Zirva-Farben");
    auto* layout = new QVBoxLayout(box);
    c.Check_FARBE_ROT = check(box, "Check_FARBE_ROT", "Farbe rot", true);
    c.Check_FARBE_GRUEN = check(box, "Check_FARBE_GRÜN", "Farbe grün", true);
    c.Check_FARBE_BLAU = check(box, "Check_FARBE_BLAU", "Farbe blau", true);
    c.Check_FARBE_GRAU = check(box, "Check_FARBE_GRAU", "Farbe grau", true);
    c.Check_FARBE_SCHWARZ = check(box, "Check_FARBE_SCHWARZ", "Farbe schwarz", true);
    c.Check_FARBE_ALLE = check(box, "Check_FARBE_ALLE", "Farbe alle", true);
    for (QCheckBox* each : {c.Check_FARBE_ROT, c.Check_FARBE_GRUEN, c.Check_FARBE_BLAU,
                            c.Check_FARBE_GRAU, c.Check_FARBE_SCHWARZ, c.Check_FARBE_ALLE}) {
        layout->addWidget(each);
    }
    return box;  // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the box owns its layout
}

QGroupBox* figuresFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame5", "Figuren");
    auto* layout = new QGridLayout(box);
    struct Row {
        QCheckBox** check;
        const char* checkName;
        const char* caption;
        QLabel** count;
        const char* countName;
    };
    const Row rows[] = {
        {&c.Check_ENABLED_BOHRUNGEN, "Check_ENABLED_BOHRUNGEN", "Punkte (Bohrungen)",
         &c.Label_BOHRUNGEN_ANZAHL, "Label_BOHRUNGEN_ANZAHL"},
        {&c.Check_ENABLED_LINIEN, "Check_ENABLED_LINIEN", "Linien", &c.Label_LINIEN_ANZAHL,
         "Label_LINIEN_ANZAHL"},
        {&c.Check_ENABLED_RECHTECKE, "Check_ENABLED_RECHTECKE", "Rechtecke",
         &c.Label_RECHTECKE_ANZAHL, "Label_RECHTECKE_ANZAHL"},
        {&c.Check_ENABLED_POLYGONE, "Check_ENABLED_POLYGONE", "Polygone", &c.Label_POLYGONE_ANZAHL,
         "Label_POLYGONE_ANZAHL"},
        {&c.Check_ENABLED_KREISE, "Check_ENABLED_KREISE", "Kreise", &c.Label_KREISE_ANZAHL,
         "Label_KREISE_ANZAHL"},
    };
    int at = 0;
    for (const Row& row : rows) {
        *row.check = check(box, row.checkName, row.caption, true);
        *row.count = label(box, row.countName, "--");
        (*row.count)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(*row.check, at, 0);
        layout->addWidget(*row.count, at, 1);
        ++at;
    }
    return box;
}

// The frames "Bohrungen" and "Fräsungen" share one arrangement.
struct KindFrame {
    QGroupBox** frame;
    const char* frameName;
    const char* caption;
    QCheckBox** view;
    const char* viewName;
    ColourButton** viewColour;
    const char* viewColourName;
    Colour viewDesign;
    QCheckBox** way;
    const char* wayName;
    ColourButton** wayColour;
    const char* wayColourName;
    QLabel** travel;
    const char* travelName;
    QLabel** time;
    const char* timeName;
    QComboBox** level;
    const char* levelName;
};

QGroupBox* kindFrame(QWidget* parent, const KindFrame& k) {
    QGroupBox* box = frame(parent, k.frameName, k.caption);
    *k.frame = box;
    auto* layout = new QGridLayout(box);
    *k.view = check(box, k.viewName, "View", true);
    *k.viewColour = named(new ColourButton(k.viewDesign, box), k.viewColourName);
    *k.way = check(box, k.wayName, "Weg", true);
    *k.wayColour = named(new ColourButton(rgb(192, 192, 192), box), k.wayColourName);
    *k.travel = label(box, k.travelName, "--");
    *k.time = label(box, k.timeName, "--");
    *k.level = combo(box, k.levelName);
    for (ColourButton* button : {*k.viewColour, *k.wayColour}) {
        button->setFixedSize(24, 16);
    }
    layout->addWidget(*k.view, 0, 0);
    layout->addWidget(*k.viewColour, 0, 1);
    layout->addWidget(*k.way, 1, 0);
    layout->addWidget(*k.wayColour, 1, 1);
    layout->addWidget(*k.travel, 1, 2);
    layout->addWidget(*k.time, 1, 3);
    layout->addWidget(new QLabel(text("Optimierung"), box), 2, 0);
    layout->addWidget(*k.level, 2, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);
    return box;
}

// "Weg verbessern" beside the level box of a frame made by kindFrame.
void addImproveBox(QGroupBox* frame, QCheckBox** improve, const char* name) {
    *improve = check(frame, name, "Weg verbessern", false);
    static_cast<QGridLayout*>(frame->layout())->addWidget(*improve, 2, 3);
}

QGroupBox* parameterFrame(QWidget* parent, const char* name, const ParameterGroup& rows,
                          std::array<QComboBox*, kParameterRoles>& boxes, QPushButton** standard,
                          const char* standardName) {
    QGroupBox* box = frame(parent, name, "");
    auto* layout = new QGridLayout(box);
    int at = 0;
    for (const ParameterRow& row : rows) {
        QComboBox* each = combo(box, std::string(row.name).c_str());
        boxes[static_cast<std::size_t>(at)] = each;
        layout->addWidget(new QLabel(qs(row.caption), box), at, 0);
        layout->addWidget(each, at, 1);
        if (!row.unit.empty()) {
            layout->addWidget(label(box, "Label_mm", std::string(row.unit).c_str()), at, 2);
        }
        ++at;
    }
    *standard = named(new QPushButton(text("Standard"), box), standardName);
    layout->addWidget(*standard, at, 0, 1, 3);
    return box;
}

QGroupBox* drillingParameters(QWidget* parent, Controls& c) {
    QGroupBox* box = parameterFrame(parent, "Frame1", kDrillingParameters, c.parameterBoxes[0],
                                    &c.Command_BOHRUNG_STANDARD, "Command_BOHRUNG_STANDARD");
    c.Combo_BOHREN_IN_STUFEN = addDepthStepBox(box, "Combo_BOHREN_IN_STUFEN", "Bohren in Stufen");
    return box;
}

QGroupBox* millingParameters(QWidget* parent, Controls& c) {
    QGroupBox* box = parameterFrame(parent, "Frame2", kMillingParameters, c.parameterBoxes[1],
                                    &c.Command_FRAESUNG_STANDARD, "Command_FRÄSUNG_STANDARD");
    c.Combo_ZUSTELLUNG = addDepthStepBox(box, "Combo_ZUSTELLUNG", "Zustellung");
    return box;
}

QGroupBox* exportFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame7", "");
    auto* layout = new QGridLayout(box);
    c.Check_EXPORT_BOHRUNG = check(box, "Check_EXPORT_BOHRUNG", "Export Bohrung", true);
    c.Check_EXPORT_FRAESUNG = check(box, "Check_EXPORT_FRÄSUNG", "Export Fräsung", true);
    c.Check_EXPORT_VORSCHAU = check(box, "Check_EXPORT_VORSCHAU", "Vorschau (txt)", true);
    c.Check_EXPORT_GRBL_INFO = check(box, "Check_EXPORT_GRBL_INFO", "GRBL-Info", true);
    c.Command_EXPORT_GERBER =
        named(new QPushButton(text("Export RS274-D (Gerber) "), box), "Command_EXPORT_GERBER");
    c.Command_EXPORT_GERBER->setMinimumHeight(40);
    layout->addWidget(c.Check_EXPORT_BOHRUNG, 0, 0);
    layout->addWidget(c.Check_EXPORT_FRAESUNG, 1, 0);
    layout->addWidget(c.Check_EXPORT_VORSCHAU, 0, 1);
    layout->addWidget(c.Check_EXPORT_GRBL_INFO, 1, 1);
    layout->addWidget(c.Command_EXPORT_GERBER, 0, 2, 2, 1);
    layout->setColumnStretch(2, 1);
    return box;
}

}  // namespace

QWidget* buildPanel(QWidget* parent, Controls& c) {
    auto* panel = new QWidget(parent);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QHBoxLayout;
    top->addWidget(drawingFrame(panel, c));
    top->addWidget(coloursFrame(panel, c));
    top->addWidget(figuresFrame(panel, c));
    layout->addLayout(top, 0, 0, 1, 2);

    layout->addWidget(
        kindFrame(
            panel,
            {&c.Frame_BOHRUNGEN, "Frame_BOHRUNGEN", "Bohrungen", &c.Check_VIEW_BOHRUNGEN,
             "Check_VIEW_BOHRUNGEN", &c.Command_FARBE_VIEW_BOHRUNGEN,
             "Command_FARBE_VIEW_BOHRUNGEN", rgb(255, 0, 0), &c.Check_WEG_BOHRUNGEN,
             "Check_WEG_BOHRUNGEN", &c.Command_FARBE_WEG_BOHRUNGEN, "Command_FARBE_WEG_BOHRUNGEN",
             &c.Label_BOHRUNGEN_FAHRWEG, "Label_BOHRUNGEN_FAHRWEG", &c.Label_BOHRUNGEN_ZEIT,
             "Label_BOHRUNGEN_ZEIT", &c.Combo_BOHRUNGEN_OPTIMIEREN, "Combo_BOHRUNGEN_OPTIMIEREN"}),
        1, 0);
    layout->addWidget(
        kindFrame(
            panel,
            {&c.Frame_FRAESUNGEN, "Frame_Fräsungen", "Fräsungen", &c.Check_VIEW_FRAESUNGEN,
             "Check_VIEW_FRÄSUNGEN", &c.Command_FARBE_VIEW_FRAESUNGEN,
             "Command_FARBE_VIEW_FRÄSUNGEN", rgb(0, 0, 255), &c.Check_WEG_FRAESUNGEN,
             "Check_WEG_FRÄSUNGEN", &c.Command_FARBE_WEG_FRAESUNGEN, "Command_FARBE_WEG_FRÄSUNGEN",
             &c.Label_FRAESUNGEN_FAHRWEG, "Label_FRÄSUNGEN_FAHRWEG", &c.Label_FRAESUNGEN_ZEIT,
             "Label_FRÄSUNGEN_ZEIT", &c.Combo_FRAESUNGEN_OPTIMIEREN, "Combo_FRÄSUNGEN_OPTIMIEREN"}),
        1, 1);
    addImproveBox(c.Frame_BOHRUNGEN, &c.Check_BOHRUNGEN_WEG_VERBESSERN,
                  "Check_BOHRUNGEN_WEG_VERBESSERN");
    addImproveBox(c.Frame_FRAESUNGEN, &c.Check_FRAESUNGEN_WEG_VERBESSERN,
                  "Check_FRÄSUNGEN_WEG_VERBESSERN");
    layout->addWidget(drillingParameters(panel, c), 2, 0);
    layout->addWidget(millingParameters(panel, c), 2, 1);
    layout->addWidget(exportFrame(panel, c), 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    return panel;
}

}  // namespace zrv
