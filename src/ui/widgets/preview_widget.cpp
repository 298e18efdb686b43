#include "ui/widgets/preview_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/common/qt_text.h"

namespace zrv {

namespace {

constexpr int kRulerTop = 6;  // the ruler's designed height in the picture, in pixels

QColor qtColour(Colour colour) {
    return {red(colour), green(colour), blue(colour)};
}

QPen pen(const Primitive& primitive) {
    QPen result(qtColour(primitive.colour));
    result.setWidth(primitive.penWidth);
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(primitive.shape == Shape::Box ? Qt::MiterJoin : Qt::RoundJoin);
    return result;
}

}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent)
    : QWidget(parent), Line_LINEAL(new QFrame(this)), Label_ORIGINAL(new QLabel(this)) {
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, qtColour(kPictureBackground));
    setPalette(background);

    Line_LINEAL->setObjectName(QStringLiteral("Line_LINEAL"));
    Line_LINEAL->setStyleSheet(QStringLiteral("background-color: black;"));
    Line_LINEAL->hide();
    Label_ORIGINAL->setObjectName(QStringLiteral("Label_ORIGINAL"));
    Label_ORIGINAL->hide();
}

void PreviewWidget::clear() {
    blank_ = true;
    update();
}

void PreviewWidget::showScene(PreviewScene scene) {
    scene_ = std::move(scene);
    blank_ = false;
    Line_LINEAL->setVisible(scene_.ruler.visible);
    Label_ORIGINAL->setVisible(scene_.ruler.visible);
    Label_ORIGINAL->setText(qs(scene_.ruler.caption));
    placeRuler();
    update();
}

double PreviewWidget::pixelsPerMillimetre() const {
    const VisibleArea area = visibleArea(scene_.xMax, scene_.yMax, width(), height());
    return area.width > 0 ? width() / area.width : 1;
}

QPointF PreviewWidget::toPixels(Point millimetres) const {
    const double scale = pixelsPerMillimetre();
    return {millimetres.x * scale, millimetres.y * scale};
}

void PreviewWidget::placeRuler() {
    const int length =
        std::max(1, static_cast<int>(std::lround(scene_.ruler.lengthMm * pixelsPerMillimetre())));
    Line_LINEAL->setGeometry(0, kRulerTop, length, 2);
    Label_ORIGINAL->adjustSize();
    Label_ORIGINAL->move(2, kRulerTop + 4);
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (blank_) {
        return;
    }
    // Crisp, not smoothed: a smoothed 3-pixel hole blends into the background and the travel
    // line over it leaves no pixel of its colour.
    QPainter painter(this);
    for (const Primitive& primitive : scene_.primitives) {
        painter.setPen(pen(primitive));
        const QPointF from = toPixels(primitive.from);
        switch (primitive.shape) {
            case Shape::Dot:
                painter.drawPoint(from);
                break;
            case Shape::Line:
                painter.drawLine(from, toPixels(primitive.to));
                break;
            case Shape::Box:
                painter.drawRect(QRectF(from, toPixels(primitive.to)).normalized());
                break;
        }
    }
}

void PreviewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeRuler();
}

void PreviewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

}  // namespace zrv
