#pragma once

#include <QObject>

class FeatureContext;
class TFormFrames;
class TFormIFrame;

// The frameset and iFrame commands of the "Frames..." menu and their dialogs.
class FramesController : public QObject {
    Q_OBJECT
public:
    explicit FramesController(FeatureContext& context);

    TFormFrames& framesDialog() const { return *m_frames; }
    TFormIFrame& iFrameDialog() const { return *m_iFrame; }

    void Frameset1Click();
    void iFrame1Click();

private:
    QString chooseSourceFile() const;

    FeatureContext& m_context;
    TFormFrames* m_frames;
    TFormIFrame* m_iFrame;
};
