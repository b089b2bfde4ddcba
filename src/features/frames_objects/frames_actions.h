#pragma once

#include <QObject>

class FeatureContext;
class FramesetDialog;
class IFrameDialog;

// The frameset and iFrame items of the "Frames..." menu and their dialogs.
class FramesActions : public QObject {
    Q_OBJECT
public:
    explicit FramesActions(FeatureContext& context);

    FramesetDialog& framesetDialog() const { return *m_framesetDialog; }
    IFrameDialog& iFrameDialog() const { return *m_iFrameDialog; }

    void newFramesetPage();
    void insertIFrame();

private:
    QString chooseSourceFile() const;

    FeatureContext& m_context;
    FramesetDialog* m_framesetDialog;
    IFrameDialog* m_iFrameDialog;
};
