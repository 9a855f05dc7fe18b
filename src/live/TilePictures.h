#pragma once
// The pictures of the large live display, drawn as vector shapes at the size
// they are shown, so they stay sharp on any screen: the tile pictures
// ("Img_Temp" ... "Img_Fein10"), the product logo and the value marker.
#include <QImage>

#include <string>

namespace vamok {

// A square picture `size` pixels wide, white shapes on transparent.
QImage TilePicture(const std::string& name, int size);
// The product logo on black.
QImage LogoPicture(int width, int height);
// The marker at the value's position on a bar (`ImagePfeil`).
QImage MarkerPicture(int height);

} // namespace vamok
