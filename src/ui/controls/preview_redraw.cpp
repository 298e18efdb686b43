#include "ui/controls/preview_redraw.h"

#include <QCoreApplication>

#include "preview/height_shading.h"
#include "preview/scene.h"
#include "ui/common/qt_text.h"
#include "ui/controls/control_values.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {

PreviewRedraw::PreviewRedraw(QTimer* timer, Controls& controls, Menus& menus, WindowState& state,
                             NumberLocale locale, std::function<bool()> storeBusy, QObject* parent)
    : QObject(parent),
      timer_(timer),
      controls_(controls),
      menus_(menus),
      state_(state),
      locale_(locale),
      storeBusy_(std::move(storeBusy)) {
    timer_->setObjectName(QStringLiteral("Timer_ZEICHNEN"));
    timer_->setInterval(200);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &PreviewRedraw::tick);
}

void PreviewRedraw::request() {
    controls_.Picture1->clear();
    QCoreApplication::processEvents();
    // Arming an armed timer does not postpone its tick.
    if (!timer_->isActive()) {
        timer_->start();
    }
}

void PreviewRedraw::tick() {
    timer_->stop();
    // Drawing clamps the store's extents: never while a load is still filling the store.
    if (storeBusy_()) {
        timer_->start();
        return;
    }
    controls_.Picture1->clear();
    const Choices choices = readChoices(controls_, state_);
    PreviewScene scene =
        ZEICHNEN_VORSCHAU(state_.program.store, choices.view, state_.calibration, locale_);
    if (const std::optional<HeightMap>& map = state_.program.heightMap) {
        addHeightShading(scene, *map);
    }
    menus_.Menue_MASSSTAB->setText(qs(scene.scaleCaption));
    if (scene.showsGrid) {
        controls_.Label_Raster->setText(QStringLiteral("10mm"));
    }
    controls_.Picture1->showScene(std::move(scene));
    emit drawn();
}

}  // namespace zrv
