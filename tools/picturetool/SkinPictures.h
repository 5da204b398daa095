#pragma once

class PictureSet;

// The nine window skins (850 x 600) and their 97 x 62 thumbnails.
namespace SkinPictures {
void addAll(PictureSet &set);
}
