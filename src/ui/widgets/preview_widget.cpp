#include "ui/widgets/preview_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "preview/raster.h"
#include "preview/snap.h"
#include "ui/common/qt_text.h"

namespace zrv {

namespace {

constexpr int kRulerTop = 6;        // the ruler's designed height in the picture, in pixels
constexpr int kWidestPen = 20;      // the board area's pen
constexpr double kWheelStep = 1.2;  // zoom of one wheel notch

QColor qtColour(Colour colour) {
    return {red(colour), green(colour), blue(colour)};
}

// Pens grow with the zoom, so a zoomed-in hole or path is drawn larger; at the whole board they
// keep their pixel widths.
QPen pen(const Primitive& primitive, double penScale) {
    QPen result(qtColour(primitive.colour));
    if (penScale == 1) {
        result.setWidth(primitive.penWidth);
    } else {
        result.setWidthF(primitive.penWidth * penScale);
    }
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(primitive.shape == Shape::Box ? Qt::MiterJoin : Qt::RoundJoin);
    return result;
}

QPointF qt(Point p) {
    return {p.x, p.y};
}

// Runs of primitives with one pen go to the painter in one call each.
class Batch {
  public:
    Batch(QPainter& painter, const ViewTransform& view, double penScale)
        : painter_(painter), view_(view), penScale_(penScale) {}

    void add(const Primitive& p) {
        if (!open_ || p.colour != current_.colour || p.penWidth != current_.penWidth ||
            p.shape == Shape::Box || current_.shape == Shape::Box || p.shape == Shape::Fill ||
            current_.shape == Shape::Fill) {
            flush();
            current_ = p;
            open_ = true;
            painter_.setPen(pen(p, penScale_));
        }
        const QPointF from = qt(view_.toPixels(p.from));
        switch (p.shape) {
            case Shape::Dot:
                points_.push_back(from);
                break;
            case Shape::Line:
                lines_.emplace_back(from, qt(view_.toPixels(p.to)));
                break;
            case Shape::Box:
                painter_.drawRect(QRectF(from, qt(view_.toPixels(p.to))).normalized());
                break;
            case Shape::Fill:
                painter_.fillRect(QRectF(from, qt(view_.toPixels(p.to))).normalized(),
                                  qtColour(p.colour));
                break;
        }
    }

    // Dots and lines of one pen look the same in either order.
    void flush() {
        if (!points_.empty()) {
            painter_.drawPoints(points_.data(), static_cast<int>(points_.size()));
        }
        if (!lines_.empty()) {
            painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
        }
        points_.clear();
        lines_.clear();
    }

  private:
    QPainter& painter_;
    const ViewTransform& view_;
    double penScale_;
    Primitive current_;
    bool open_ = false;
    std::vector<QPointF> points_;
    std::vector<QLineF> lines_;
};

}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent, NumberLocale locale)
    : QWidget(parent),
      MENUE_ANSICHT_GANZE_PLATINE(new QAction(QStringLiteral("Ansicht: ganze Platine"), this)),
      locale_(locale),
      Line_LINEAL(new QFrame(this)),
      Label_ORIGINAL(new QLabel(this)) {
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    setMouseTracking(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, qtColour(kPictureBackground));
    setPalette(background);

    MENUE_ANSICHT_GANZE_PLATINE->setObjectName(QStringLiteral("MENUE_ANSICHT_GANZE_PLATINE"));
    MENUE_ANSICHT_GANZE_PLATINE->setShortcut(Qt::Key_Home);
    MENUE_ANSICHT_GANZE_PLATINE->setShortcutContext(Qt::WindowShortcut);
    addAction(MENUE_ANSICHT_GANZE_PLATINE);
    connect(MENUE_ANSICHT_GANZE_PLATINE, &QAction::triggered, this, &PreviewWidget::showWholeBoard);

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
    if (scene.xMax != scene_.xMax || scene.yMax != scene_.yMax || scene.yUp != scene_.yUp) {
        zoomed_ = false;
        measureFrom_.reset();
    }
    scene_ = std::move(scene);
    index_ = SceneIndex(scene_.primitives);
    frame_ = QImage();
    blank_ = false;
    Line_LINEAL->setVisible(scene_.ruler.visible);
    Label_ORIGINAL->setVisible(scene_.ruler.visible);
    Label_ORIGINAL->setText(qs(scene_.ruler.caption));
    placeRuler();
    update();
}

void PreviewWidget::showWholeBoard() {
    zoomed_ = false;
    placeRuler();
    update();
}

ViewTransform PreviewWidget::fit() const {
    return fitWholeBoard(scene_.xMax, scene_.yMax, width(), height(), scene_.yUp);
}

QPointF PreviewWidget::toPixels(Point millimetres) const {
    return qt(view().toPixels(millimetres));
}

void PreviewWidget::placeRuler() {
    const ViewTransform v = view();
    const int length =
        std::max(1, static_cast<int>(std::lround(std::min(scene_.ruler.lengthMm * v.scale, 1e6))));
    const int left = static_cast<int>(std::lround(std::clamp(v.offsetX, -1e6, 1e6)));
    Line_LINEAL->setGeometry(left, kRulerTop, length, 2);
    Label_ORIGINAL->adjustSize();
    Label_ORIGINAL->move(left + 2, kRulerTop + 4);
}

// Frames go through the core's rasteriser, as the written picture does: Qt strokes every
// round-capped primitive as a curved outline, eight times the build for a full board. A frame is
// kept until the scene, the view or the size changes, so a repaint is a blit.
const QImage& PreviewWidget::frame() {
    const ViewTransform v = view();
    if (frame_.size() != size() || v.scale != frameView_.scale || v.offsetX != frameView_.offsetX ||
        v.offsetY != frameView_.offsetY || v.yUp != frameView_.yUp) {
        const RgbImage pixels = zoomed_
                                    ? rasterise(scene_,
                                                index_.visible(v.visibleBoard(width(), height()),
                                                               kWidestPen / fit().scale),
                                                v, v.scale / fit().scale, width(), height())
                                    : rasterise(scene_, v, width(), height());
        frame_ = QImage(pixels.pixels.data(), pixels.width, pixels.height, pixels.width * 3,
                        QImage::Format_RGB888)
                     .convertToFormat(QImage::Format_RGB32);
        frameView_ = v;
    }
    return frame_;
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (blank_) {
        return;
    }
    QPainter painter(this);
    // The rasteriser's pens are device pixels; a scaled screen keeps Qt's pens.
    if (devicePixelRatioF() == 1) {
        painter.drawImage(0, 0, frame());
        paintMachine(painter);
        return;
    }
    // Crisp, not smoothed: a smoothed 3-pixel hole blends into the background and the travel
    // line over it leaves no pixel of its colour.
    const ViewTransform v = view();
    const double fitScale = fit().scale;
    Batch batch(painter, v, zoomed_ ? v.scale / fitScale : 1);
    const double margin = kWidestPen / fitScale;
    if (!zoomed_) {
        for (const Primitive& primitive : scene_.primitives) {
            batch.add(primitive);
        }
    } else {
        for (std::uint32_t i : index_.visible(v.visibleBoard(width(), height()), margin)) {
            batch.add(scene_.primitives[i]);
        }
    }
    batch.flush();
    paintMachine(painter);
}

void PreviewWidget::showMachine(std::vector<Point> donePath, std::optional<Point> tool) {
    machineDone_ = std::move(donePath);
    machineTool_ = tool;
    update();
}

// Over the picture: what the running job has done in green, the tool as a cross.
void PreviewWidget::paintMachine(QPainter& painter) const {
    if (machineDone_.size() > 1) {
        QPolygonF done;
        for (const Point& at : machineDone_) {
            done << toPixels(at);
        }
        painter.setPen(QPen(QColor(0, 170, 0), 2));
        painter.drawPolyline(done);
    }
    if (machineTool_) {
        const QPointF at = toPixels(*machineTool_);
        painter.setPen(QPen(QColor(230, 120, 0), 2));
        painter.drawLine(at - QPointF(8, 0), at + QPointF(8, 0));
        painter.drawLine(at - QPointF(0, 8), at + QPointF(0, 8));
    }
}

void PreviewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeRuler();
}

void PreviewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position();
        dragging_ = false;
    }
}

void PreviewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        const QPointF moved = at - *pressedAt_;
        if (dragging_ || moved.manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            view_ = pan(view(), moved.x(), moved.y());
            zoomed_ = true;
            pressedAt_ = at;
            placeRuler();
            update();
        }
        return;
    }
    if (blank_) {
        return;
    }
    const Point pixel{at.x(), at.y()};
    const auto place = nearestSnap(scene_.snapPoints, view(), pixel);
    emit pointerText(
        qs(place ? snapText(*place, locale_) : positionText(view().toBoard(pixel), locale_)));
}

void PreviewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) {
        return;
    }
    pressedAt_.reset();
    if (dragging_) {
        dragging_ = false;
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        measureAt({event->position().x(), event->position().y()});
        return;
    }
    emit clicked();
}

void PreviewWidget::measureAt(Point pixel) {
    if (blank_) {
        return;
    }
    const auto place = nearestSnap(scene_.snapPoints, view(), pixel);
    const Point at = place ? place->at : view().toBoard(pixel);
    if (!measureFrom_) {
        measureFrom_ = at;
        return;
    }
    emit measured(qs(distanceText(*measureFrom_, at, locale_)));
    measureFrom_.reset();
}

void PreviewWidget::wheelEvent(QWheelEvent* event) {
    if (blank_) {
        return;
    }
    const double factor = std::pow(kWheelStep, event->angleDelta().y() / 120.0);
    const ViewTransform whole = fit();
    view_ = zoomAbout(view(), {event->position().x(), event->position().y()}, factor, whole);
    zoomed_ = view_.scale > whole.scale;
    placeRuler();
    update();
    event->accept();
}

void PreviewWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit pointerText(QString());
}

}  // namespace zrv
