#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include "preview/scene.h"

namespace zrv {

// Picture1: paints the preview scene at equal scale in millimetres with a 5 % margin, and
// holds the ruler line and its caption. Resizing repaints the same scene at the new size.
class PreviewWidget final : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewWidget(QWidget* parent);

    // Cls: the picture becomes blank; the ruler, a control of its own, stays.
    void clear();
    void showScene(PreviewScene scene);
    bool isBlank() const { return blank_; }

    // Where a point of the drawing lands on the widget, in pixels.
    QPointF toPixels(Point millimetres) const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    double pixelsPerMillimetre() const;
    void placeRuler();

    PreviewScene scene_;
    bool blank_ = true;
    QFrame* Line_LINEAL;
    QLabel* Label_ORIGINAL;
};

}  // namespace zrv
