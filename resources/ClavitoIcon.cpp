#include "resources/ClavitoIcon.h"

QPixmap ClavitoIconPixmap() {
    return QPixmap(ClavitoIconXpm);
}

QIcon ClavitoIcon() {
    return QIcon(ClavitoIconPixmap());
}
