#pragma once

class PictureSet;

// Tool bar buttons (LoadConfig, SaveConfig, WriteFlash) and the page list icons.
namespace ToolIcons {
void addAll(PictureSet &set);
}
