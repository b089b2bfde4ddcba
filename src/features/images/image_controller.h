#pragma once

#include <QObject>

class TFormImage;
class FeatureContext;

// The image command: the HTML menu's "Image..." item and the standard toolbar's image button
// with their dialog, which lives as long as the window so its fields persist.
class ImageController : public QObject {
    Q_OBJECT
public:
    explicit ImageController(FeatureContext& context);

    TFormImage& dialog() const { return *m_dialog; }
    void Image1Click();

private:
    FeatureContext& m_context;
    TFormImage* m_dialog;
};
