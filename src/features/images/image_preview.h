#pragma once

#include "features/images/image_map_editor.h"

#include <QImage>
#include <QWidget>

// The image dialog's preview: shows the picture (stretched to the area on request), draws the
// map's outlines on it with an inverting pen, and reports mouse presses, drags and releases in
// picture pixels.
class ImagePreview : public QWidget {
    Q_OBJECT
public:
    explicit ImagePreview(QWidget* parent = nullptr);

    // The picture to show and keep; transparent parts are shown on white.
    void setPicture(const QImage& picture);
    // An empty white area of 200 by 200 pixels.
    void setBlank();
    void setStretched(bool stretched);
    bool isStretched() const { return m_stretched; }

    // Puts the kept picture back and draws the update's outlines.
    void apply(const PreviewUpdate& update);
    // What is shown now, outlines included.
    const QImage& shownImage() const { return m_shown; }
    QSize pictureSize() const { return m_kept.size(); }

    QSize sizeHint() const override;

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawInverted(const MapOutline& outline);
    void fitToPicture();
    QPoint toPicture(const QPointF& widgetPoint) const;

    QImage m_kept;
    QImage m_shown;
    bool m_stretched = false;
    bool m_pressed = false;
};
