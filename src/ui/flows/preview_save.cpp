#include "ui/flows/preview_save.h"

#include <QAction>

#include "job/export.h"
#include "ui/common/qt_text.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {

void saveWholePreview(const Controls& controls, Platform& platform, const WindowState& state,
                      const std::string& programName) {
    if (state.program.loadRefusal == kNoDrawing) {
        platform.message("Keine Zeichnung geladen – es gibt keine Vorschau zu speichern.",
                         programName);
        return;
    }
    const std::string& base = state.program.file.DATEI_BASIS;
    const std::optional<std::string> path =
        platform.saveFile("Vorschau speichern", base.empty() ? "Vorschau.png" : base + ".png",
                          "PNG-Bild (*.png)|*.png|SVG-Bild (*.svg)|*.svg");
    if (!path) {
        return;
    }
    const Status written = writeBoardPicture(state.program, controls.Picture1->scene(), *path);
    if (!written.ok()) {
        platform.message(written.error, programName);
        return;
    }
    controls.List1->addItem(qs("Vorschau gespeichert: " + *path));
}

void connectPreview(const Controls& controls, Platform& platform, const WindowState& state,
                    const std::string& programName) {
    PreviewWidget* picture = controls.Picture1;
    auto* save = new QAction(QStringLiteral("Vorschau speichern..."), picture);
    save->setObjectName(QStringLiteral("MENUE_VORSCHAU_SPEICHERN"));
    picture->addAction(save);
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(save, &QAction::triggered, picture,
                     [&controls, &platform, &state, programName] {
                         saveWholePreview(controls, platform, state, programName);
                     });
    QObject::connect(picture, &PreviewWidget::pointerText, controls.Label_POSITION,
                     &QLabel::setText);
    QObject::connect(picture, &PreviewWidget::measured, controls.List1,
                     [list = controls.List1](const QString& line) { list->addItem(line); });
}

}  // namespace zrv
