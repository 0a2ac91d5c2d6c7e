#pragma once
// The pictures of the About window, drawn in code: the program icon (a small
// triangular truss) and the picture beside the credits (a truss web member of
// two angles on a gusset plate).

#include <QPixmap>

QPixmap programIcon(int width = 32, int height = 31);
QPixmap aboutPicture(int width = 90, int height = 139);
