#pragma once
// The dialogs' pictures, drawn at run time so the program carries no image
// files: the information sign, the error sign and the program's icon.

#include <QIcon>
#include <QPixmap>

namespace dialogs {

// 40 x 40: a white speech bubble with a blue lowercase "i".
QPixmap InformationPicture();
// 40 x 40, transparent around the sign: a red circle with a white cross.
QPixmap ErrorPicture();
// 48 x 48: the program's window icon.
QIcon ProgramIcon();

} // namespace dialogs
