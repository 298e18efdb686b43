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
constexpr int kMarkSize = 13;       // the ring around a measurement's first point

QColor qtColour(Colour colour) {
    return {red(colour), green(colour), blue(colour)};
}

QPointF qt(Point p) {
    return {p.x, p.y};
}

}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent, NumberLocale locale)
    : QWidget(parent),
      MENUE_ANSICHT_GANZE_PLATINE(new QAction(QStringLiteral("Ansicht: ganze Platine"), this)),
      locale_(locale),
      Line_LINEAL(new QFrame(this)),
      Label_ORIGINAL(new QLabel(this)),
      Shape_MESSPUNKT(new QFrame(this)) {
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
    // A red ring around the first point of a measurement.
    Shape_MESSPUNKT->setObjectName(QStringLiteral("Shape_MESSPUNKT"));
    Shape_MESSPUNKT->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape_MESSPUNKT->setFixedSize(kMarkSize, kMarkSize);
    Shape_MESSPUNKT->setStyleSheet(
        QStringLiteral("border: 2px solid red; border-radius: %1px; background: transparent;")
            .arg(kMarkSize / 2));
    Shape_MESSPUNKT->hide();
}

void PreviewWidget::clear() {
    blank_ = true;
    placeOverlays();
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
    placeOverlays();
    update();
}

void PreviewWidget::showWholeBoard() {
    zoomed_ = false;
    placeOverlays();
    update();
}

ViewTransform PreviewWidget::fit() const {
    return fitWholeBoard(scene_.xMax, scene_.yMax, width(), height(), scene_.yUp);
}

QPointF PreviewWidget::toPixels(Point millimetres) const {
    return qt(view().toPixels(millimetres));
}

// The ruler starts at the zero point, or at the left edge while the zero point is out of view,
// so it can always be read.
void PreviewWidget::placeOverlays() {
    const ViewTransform v = view();
    const int length =
        std::max(1, static_cast<int>(std::lround(std::min(scene_.ruler.lengthMm * v.scale, 1e6))));
    const bool zeroShown = v.offsetX >= 0 && v.offsetX < width();
    const int left = zeroShown ? static_cast<int>(std::lround(v.offsetX)) : 0;
    Line_LINEAL->setGeometry(left, kRulerTop, length, 2);
    Label_ORIGINAL->adjustSize();
    Label_ORIGINAL->move(left + 2, kRulerTop + 4);

    Shape_MESSPUNKT->setVisible(measureFrom_.has_value() && !blank_);
    if (measureFrom_) {
        const Point at = v.toPixels(*measureFrom_);
        const int x = static_cast<int>(std::lround(std::clamp(at.x, -1e6, 1e6)));
        const int y = static_cast<int>(std::lround(std::clamp(at.y, -1e6, 1e6)));
        Shape_MESSPUNKT->move(x - kMarkSize / 2, y - kMarkSize / 2);
    }
}

// Frames go through the core's rasteriser, as the written picture does, at device pixels: Qt
// strokes every round-capped primitive as a curved outline, eight times the build for a full
// board. Pens keep their widths in pixels at every zoom, so neighbouring features stay apart. A
// frame is kept until the scene, the view or the size changes, so a repaint is a blit.
const QImage& PreviewWidget::frame() {
    const ViewTransform v = view();
    const double ratio = devicePixelRatioF();
    const int w = static_cast<int>(std::lround(width() * ratio));
    const int h = static_cast<int>(std::lround(height() * ratio));
    if (frame_.size() != QSize(w, h) || frame_.devicePixelRatio() != ratio || v != frameView_) {
        const ViewTransform device = devicePixels(v, ratio);
        frame_ = QImage();  // let go of the pixels before they are replaced
        framePixels_ =
            zoomed_
                ? rasterise(scene_,
                            index_.visible(v.visibleBoard(width(), height()), kWidestPen / v.scale),
                            device, ratio, w, h, PixelLayout::Word)
                : rasterise(scene_, device, w, h, ratio, PixelLayout::Word);
        // The words are Qt's RGB32 pixels: the image shows them without a copy.
        frame_ = QImage(framePixels_.pixels.data(), framePixels_.width, framePixels_.height,
                        framePixels_.width * 4, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
        frameView_ = v;
    }
    return frame_;
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (blank_) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frame());
    paintMachine(painter);
}

void PreviewWidget::showMachinePath(std::vector<Point> path) {
    machinePath_ = std::move(path);
    machineDone_ = 0;
    machineLayer_ = QImage();
    update();
}

void PreviewWidget::showMachine(std::size_t done, std::optional<Point> tool) {
    done = std::min(done, machinePath_.size());
    if (done == machineDone_ && tool == machineTool_) {
        return;
    }
    machineDone_ = done;
    machineTool_ = tool;
    update();
}

// The done way grows on a layer of its own, each stretch painted once: a repaint late in a long
// job is a blit rather than a stroke of every line done so far. A new view or size paints it anew.
const QImage& PreviewWidget::machineLayer() {
    const ViewTransform v = view();
    const double ratio = devicePixelRatioF();
    const QSize size(static_cast<int>(std::lround(width() * ratio)),
                     static_cast<int>(std::lround(height() * ratio)));
    if (machineLayer_.size() != size || machineLayer_.devicePixelRatio() != ratio ||
        v != machineLayerView_ || machineDone_ < machineLayerDone_) {
        machineLayer_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        machineLayer_.setDevicePixelRatio(ratio);
        machineLayer_.fill(Qt::transparent);
        machineLayerDone_ = 0;
        machineLayerView_ = v;
    }
    if (machineDone_ > machineLayerDone_) {
        // From the last point painted, so the new stretch joins the old.
        const std::size_t from = machineLayerDone_ == 0 ? 0 : machineLayerDone_ - 1;
        QPolygonF stretch;
        for (std::size_t k = from; k < machineDone_; ++k) {
            if (k == from || machinePath_[k] != machinePath_[k - 1]) {  // most lines move no XY
                stretch << toPixels(machinePath_[k]);
            }
        }
        if (stretch.size() > 1) {
            QPainter painter(&machineLayer_);
            painter.setPen(QPen(QColor(0, 170, 0), 2));
            painter.drawPolyline(stretch);
        }
        machineLayerDone_ = machineDone_;
    }
    return machineLayer_;
}

// Over the picture: what the running job has done in green, the tool as a cross.
void PreviewWidget::paintMachine(QPainter& painter) {
    if (machineDone_ > 1) {
        painter.drawImage(0, 0, machineLayer());
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
    placeOverlays();
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
            placeOverlays();
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
        placeOverlays();
        emit measured(qs(firstPointText(at, locale_)));
        return;
    }
    emit measured(qs(distanceText(*measureFrom_, at, locale_)));
    measureFrom_.reset();
    placeOverlays();
}

void PreviewWidget::wheelEvent(QWheelEvent* event) {
    if (blank_) {
        return;
    }
    const double factor = std::pow(kWheelStep, event->angleDelta().y() / 120.0);
    const ViewTransform whole = fit();
    view_ = zoomAbout(view(), {event->position().x(), event->position().y()}, factor, whole);
    zoomed_ = view_.scale > whole.scale;
    placeOverlays();
    update();
    event->accept();
}

void PreviewWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit pointerText(QString());
}

}  // namespace zrv
