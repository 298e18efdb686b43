#pragma once

#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <optional>
#include <vector>

#include "preview/raster.h"
#include "preview/scene.h"
#include "preview/scene_index.h"
#include "preview/view_transform.h"
#include "text/number_locale.h"

namespace zrv {

// Picture1: paints the preview scene, at the whole-board view at equal scale in millimetres with
// a 5 % margin, and holds the ruler line and its caption. The wheel zooms about the pointer,
// dragging moves the view, Home (or "Ansicht: ganze Platine") shows the whole board again;
// a click without dragging is the picture's click, Shift+click measures between two places
// (the first one marked). Pens keep their widths in pixels at every zoom.
class PreviewWidget final : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewWidget(QWidget* parent, NumberLocale locale = kGermanLocale);

    // Cls: the picture becomes blank; the ruler, a control of its own, stays.
    void clear();
    // A new scene keeps the view unless the board's size changed.
    void showScene(PreviewScene scene);
    bool isBlank() const { return blank_; }
    const PreviewScene& scene() const { return scene_; }

    // Where a point of the drawing lands on the widget, in pixels.
    QPointF toPixels(Point millimetres) const;
    void showWholeBoard();
    // The machine's run over the picture: the tool's way through the job, handed over once at
    // its start (one point a program line; empty at its end)...
    void showMachinePath(std::vector<Point> path);
    // ...of which the first `done` points are done, and the tool itself. Repaints only when
    // either changed.
    void showMachine(std::size_t done, std::optional<Point> tool);

    QAction* MENUE_ANSICHT_GANZE_PLATINE;

  signals:
    void clicked();
    void pointerText(const QString& text);  // the board position or the place under the pointer
    void measured(const QString& line);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    ViewTransform fit() const;
    ViewTransform view() const { return zoomed_ ? view_ : fit(); }
    void placeOverlays();
    void measureAt(Point pixel);
    const QImage& frame();
    const QImage& machineLayer();
    void paintMachine(QPainter& painter);

    PreviewScene scene_;
    SceneIndex index_;
    bool blank_ = true;
    bool zoomed_ = false;  // otherwise the view follows the picture's size
    ViewTransform view_;
    RgbImage framePixels_;  // the last frame painted, which frame_ shows
    QImage frame_;          // emptied when the scene changes
    ViewTransform frameView_;
    NumberLocale locale_;
    std::optional<QPointF> pressedAt_;
    bool dragging_ = false;
    std::optional<Point> measureFrom_;
    std::vector<Point> machinePath_;
    std::size_t machineDone_ = 0;
    std::optional<Point> machineTool_;
    QImage machineLayer_;  // the done way, transparent elsewhere; emptied with a new way
    std::size_t machineLayerDone_ = 0;  // the points of the way painted on it
    ViewTransform machineLayerView_;
    QFrame* Line_LINEAL;
    QLabel* Label_ORIGINAL;
    QFrame* Shape_MESSPUNKT;
};

}  // namespace zrv
