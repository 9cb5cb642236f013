#include "common/LocalFile.h"

#include "common/AppError.h"

#include <QSaveFile>
#include <QString>

void WriteFileWhole(const std::string& path, std::span<const uint8_t> bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw AppError::cannotCreateFile(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit())
        throw AppError::cannotCreateFile(path);
}
