#pragma once
// The application icon, from the program's resources.

#include <QIcon>

// The icon (scalable; ":/quillmere/quillmere.svg").
QIcon QuillmereIcon();
