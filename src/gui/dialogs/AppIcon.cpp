#include "dialogs/AppIcon.h"

#include <QtGlobal>

// The resources live in a static library: registering them here makes sure
// the linker keeps them wherever the icon is used.
static void InitQuillmereResources() { Q_INIT_RESOURCE(quillmere); }

QIcon QuillmereIcon() {
    static const bool registered = (InitQuillmereResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/quillmere/quillmere.svg"));
}
