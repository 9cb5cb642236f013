#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

class QComboBox;

// Holds the program icons. Created at start-up and never shown: the grid
// takes its pictures from here.
class TIconForm : public QWidget {
    Q_OBJECT
  public:
    explicit TIconForm(QWidget* parent = nullptr);

    // One of the 148 pictures of ImageList1 (12 x 12, transparent background);
    // a null pixmap for an index outside the list.
    QPixmap picture(int index) const;
    int pictureCount() const { return static_cast<int>(ImageList1.size()); }

  private:
    std::vector<QPixmap> ImageList1;
    // The 147 catalogue captions, each with its picture; the item's
    // Qt::UserRole data is its image index.
    QComboBox* ComboBoxEx1 = nullptr;
};
