#pragma once

#include <QIcon>

// The program's own 32 x 32 icon: a name drawn in dots, as the program draws names in avatars.
QIcon makeAppIcon();
