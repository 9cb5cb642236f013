#include "slots/IconForm.h"

#include "resources/IconResources.h"
#include "slots/IconCatalogue.h"

#include <QComboBox>
#include <QIcon>
#include <QString>

TIconForm::TIconForm(QWidget* parent) : QWidget(parent) {
    setObjectName("IconForm");
    InitIconResources();

    const QPixmap sheet(kIconSheetResource);
    ImageList1.reserve(kIconPictures);
    for (int i = 0; i < kIconPictures; ++i)
        ImageList1.push_back(sheet.copy(IconSheetX(i), 0, kIconPictureSize, kIconPictureSize));

    ComboBoxEx1 = new QComboBox(this);
    ComboBoxEx1->setObjectName("ComboBoxEx1");
    ComboBoxEx1->setIconSize(QSize(kIconPictureSize, kIconPictureSize));
    for (const IconCatalogueItem& item : IconCatalogue())
        ComboBoxEx1->addItem(
            QIcon(picture(item.imageIndex)),
            QString::fromLatin1(item.caption.data(), static_cast<qsizetype>(item.caption.size())),
            item.imageIndex);
}

QPixmap TIconForm::picture(int index) const {
    if (index < 0 || index >= pictureCount())
        return {};
    return ImageList1[static_cast<size_t>(index)];
}
