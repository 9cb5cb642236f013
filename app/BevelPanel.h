#pragma once

#include <QFrame>

// A panel with a lowered outer and a raised inner bevel, one pixel each.
class BevelPanel : public QFrame {
    Q_OBJECT
  public:
    explicit BevelPanel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
