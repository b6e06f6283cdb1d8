// The package as the program keeps it in memory for the whole run: the header
// image (which doubles as the live settings), the texts, and where the
// sections lie in the program file.
#pragma once
#include "package/package_header.h"
#include "package/package_texts.h"

namespace lw {

extern PackageHeader PackageHeaderImage;
extern PackageTexts PackageTextBlock;
extern PackageLayout PackageFileLayout;

}  // namespace lw
