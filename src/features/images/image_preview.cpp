#include "features/images/image_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

ImagePreview::ImagePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("preview"));
    setBlank();
}

void ImagePreview::setPicture(const QImage& picture) {
    // The inverting pen works on plain 32-bit pixels; transparency is shown on white.
    m_kept = QImage(picture.size(), QImage::Format_RGB32);
    m_kept.fill(Qt::white);
    QPainter painter(&m_kept);
    painter.drawImage(0, 0, picture);
    painter.end();
    m_shown = m_kept;
    fitToPicture();
    update();
}

void ImagePreview::setBlank() {
    m_kept = QImage(200, 200, QImage::Format_RGB32);
    m_kept.fill(Qt::white);
    m_shown = m_kept;
    fitToPicture();
    update();
}

void ImagePreview::setStretched(bool stretched) {
    m_stretched = stretched;
    fitToPicture();
    update();
}

void ImagePreview::fitToPicture() {
    // Inside a resizable scroll area: the picture's size keeps scroll bars when it is larger
    // than the area; stretched, the widget simply fills the area.
    setMinimumSize(m_stretched ? QSize(0, 0) : m_kept.size());
    updateGeometry();
}

QSize ImagePreview::sizeHint() const {
    return m_kept.size();
}

void ImagePreview::apply(const PreviewUpdate& update) {
    if (update.restore)
        m_shown = m_kept;
    for (const MapOutline& outline : update.outlines)
        drawInverted(outline);
    if (!update.isEmpty())
        this->update();
}

void ImagePreview::drawInverted(const MapOutline& outline) {
    QPainter painter(&m_shown);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(QColor(255, 255, 255), 0));
    painter.setBrush(Qt::NoBrush);
    const MapBox& b = outline.box;
    const QRect box = QRect(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2)).normalized();
    // A stroked QRect is one pixel larger than the rectangle; these cover both corners.
    const QRect stroked(box.topLeft(), box.size() - QSize(1, 1));
    switch (outline.kind) {
    case MapOutline::Kind::Rectangle:
        painter.drawRect(stroked);
        break;
    case MapOutline::Kind::Ellipse:
        painter.drawEllipse(stroked);
        break;
    case MapOutline::Kind::Line:
        painter.drawLine(b.x1, b.y1, b.x2, b.y2);
        break;
    case MapOutline::Kind::Polyline:
        painter.drawPolyline(QPolygon(outline.points));
        break;
    }
}

void ImagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_shown);
        return;
    }
    painter.fillRect(rect(), palette().mid());
    painter.drawImage(0, 0, m_shown);
}

QPoint ImagePreview::toPicture(const QPointF& widgetPoint) const {
    if (m_stretched && width() > 0 && height() > 0)
        return QPoint(int(widgetPoint.x() * m_kept.width() / width()),
                      int(widgetPoint.y() * m_kept.height() / height()));
    return QPoint(int(widgetPoint.x()), int(widgetPoint.y()));
}

void ImagePreview::mousePressEvent(QMouseEvent* event) {
    const QPoint at = toPicture(event->position());
    if (event->button() != Qt::LeftButton || !m_kept.rect().contains(at))
        return;
    m_pressed = true;
    emit pressed(at);
}

void ImagePreview::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed)
        emit moved(clampToPicture(toPicture(event->position()), m_kept.size()));
}

void ImagePreview::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    emit released(clampToPicture(toPicture(event->position()), m_kept.size()));
}
