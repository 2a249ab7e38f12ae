#pragma once

#include <QIcon>

// The program's icon, drawn at run time (navy tile, green "T").
namespace AppIcon {
QIcon icon();
}
