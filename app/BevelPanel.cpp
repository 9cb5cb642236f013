#include "app/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

BevelPanel::BevelPanel(QWidget* parent) : QFrame(parent) {
    // The bevels take two pixels on each side; children keep their absolute places.
    setFrameShape(QFrame::NoFrame);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}
