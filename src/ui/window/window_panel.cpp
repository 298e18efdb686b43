#include "ui/window/window_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
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

// The check boxes of `frame` into its grid, each where its row puts it, in its design state.
void addChecks(QGroupBox* box, PanelFrame frame, Controls& c) {
    auto* layout = static_cast<QGridLayout*>(box->layout());
    const Choices design;
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const SwitchRow& row = kSwitches[i];
        if (row.cell.frame != frame) {
            continue;
        }
        auto* check = new QCheckBox(qs(row.caption), box);
        check->setObjectName(qs(row.name));
        check->setChecked(switchValue(design, row) == 1);
        layout->addWidget(check, row.cell.row, row.cell.column, 1, row.cell.columns);
        c.checks[i] = check;
    }
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
    addChecks(box, PanelFrame::Drawing, c);
    c.Label_Raster = label(box, "Label_Raster", "?");
    layout->addWidget(c.Label_Raster, 0, 1);
    return box;
}

QGroupBox* coloursFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame10", "Zirva-Farben");
    new QGridLayout(box);
    addChecks(box, PanelFrame::Colours, c);
    return box;  // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the box owns its layout
}

QGroupBox* figuresFrame(QWidget* parent, Controls& c) {
    QGroupBox* box = frame(parent, "Frame5", "Figuren");
    auto* layout = new QGridLayout(box);
    addChecks(box, PanelFrame::Figures, c);
    struct Count {
        QLabel** label;
        const char* name;
    };
    const Count counts[] = {
        {&c.Label_BOHRUNGEN_ANZAHL, "Label_BOHRUNGEN_ANZAHL"},
        {&c.Label_LINIEN_ANZAHL, "Label_LINIEN_ANZAHL"},
        {&c.Label_RECHTECKE_ANZAHL, "Label_RECHTECKE_ANZAHL"},
        {&c.Label_POLYGONE_ANZAHL, "Label_POLYGONE_ANZAHL"},
        {&c.Label_KREISE_ANZAHL, "Label_KREISE_ANZAHL"},
    };
    int at = 0;
    for (const Count& count : counts) {
        *count.label = label(box, count.name, "--");
        (*count.label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(*count.label, at++, 1);
    }
    return box;
}

// The frames "Bohrungen" and "Fräsungen" share one arrangement.
struct KindFrame {
    QGroupBox** frame;
    const char* frameName;
    const char* caption;
    PanelFrame checks;
    ColourButton** viewColour;
    const char* viewColourName;
    Colour viewDesign;
    ColourButton** wayColour;
    const char* wayColourName;
    QLabel** travel;
    const char* travelName;
    QLabel** time;
    const char* timeName;
    QComboBox** level;
    const char* levelName;
};

QGroupBox* kindFrame(QWidget* parent, const KindFrame& k, Controls& c) {
    QGroupBox* box = frame(parent, k.frameName, k.caption);
    *k.frame = box;
    auto* layout = new QGridLayout(box);
    addChecks(box, k.checks, c);
    *k.viewColour = named(new ColourButton(k.viewDesign, box), k.viewColourName);
    *k.wayColour = named(new ColourButton(rgb(192, 192, 192), box), k.wayColourName);
    *k.travel = label(box, k.travelName, "--");
    *k.time = label(box, k.timeName, "--");
    *k.level = combo(box, k.levelName);
    for (ColourButton* button : {*k.viewColour, *k.wayColour}) {
        button->setFixedSize(24, 16);
    }
    layout->addWidget(*k.viewColour, 0, 1);
    layout->addWidget(*k.wayColour, 1, 1);
    layout->addWidget(*k.travel, 1, 2);
    layout->addWidget(*k.time, 1, 3);
    layout->addWidget(new QLabel(text("Optimierung"), box), 2, 0);
    layout->addWidget(*k.level, 2, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);
    return box;
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
    addChecks(box, PanelFrame::Export, c);
    c.Command_EXPORT_GERBER =
        named(new QPushButton(text("Export RS274-D (Gerber) "), box), "Command_EXPORT_GERBER");
    c.Command_EXPORT_GERBER->setMinimumHeight(40);
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
            {&c.Frame_BOHRUNGEN, "Frame_BOHRUNGEN", "Bohrungen", PanelFrame::Drilling,
             &c.Command_FARBE_VIEW_BOHRUNGEN, "Command_FARBE_VIEW_BOHRUNGEN", rgb(255, 0, 0),
             &c.Command_FARBE_WEG_BOHRUNGEN, "Command_FARBE_WEG_BOHRUNGEN",
             &c.Label_BOHRUNGEN_FAHRWEG, "Label_BOHRUNGEN_FAHRWEG", &c.Label_BOHRUNGEN_ZEIT,
             "Label_BOHRUNGEN_ZEIT", &c.Combo_BOHRUNGEN_OPTIMIEREN, "Combo_BOHRUNGEN_OPTIMIEREN"},
            c),
        1, 0);
    layout->addWidget(
        kindFrame(
            panel,
            {&c.Frame_FRAESUNGEN, "Frame_Fräsungen", "Fräsungen", PanelFrame::Milling,
             &c.Command_FARBE_VIEW_FRAESUNGEN, "Command_FARBE_VIEW_FRÄSUNGEN", rgb(0, 0, 255),
             &c.Command_FARBE_WEG_FRAESUNGEN, "Command_FARBE_WEG_FRÄSUNGEN",
             &c.Label_FRAESUNGEN_FAHRWEG, "Label_FRÄSUNGEN_FAHRWEG", &c.Label_FRAESUNGEN_ZEIT,
             "Label_FRÄSUNGEN_ZEIT", &c.Combo_FRAESUNGEN_OPTIMIEREN, "Combo_FRÄSUNGEN_OPTIMIEREN"},
            c),
        1, 1);
    layout->addWidget(drillingParameters(panel, c), 2, 0);
    layout->addWidget(millingParameters(panel, c), 2, 1);
    layout->addWidget(exportFrame(panel, c), 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    return panel;
}

}  // namespace zrv
