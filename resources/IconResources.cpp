#include "resources/IconResources.h"

#include <QtCore/qglobal.h>

// Outside any namespace, as Q_INIT_RESOURCE requires.
void InitIconResources() {
    Q_INIT_RESOURCE(resources);
}
