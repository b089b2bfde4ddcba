#pragma once

#include <QObject>

class ImageDialog;
class FeatureContext;

// The image command: the HTML menu's "Image..." item and the standard toolbar's image button
// with their dialog, which lives as long as the window so its fields persist.
class ImageActions : public QObject {
    Q_OBJECT
public:
    explicit ImageActions(FeatureContext& context);

    ImageDialog& dialog() const { return *m_dialog; }
    void insertImage();

private:
    FeatureContext& m_context;
    ImageDialog* m_dialog;
};
