#include "app/scratch_window.h"

TFormText::TFormText(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormText"));
    setWindowFlag(Qt::Window);
}

void TFormText::showModeless() {
    show();
}

void TFormText::showModal() {}
