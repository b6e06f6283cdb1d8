#include "app/package_image.h"

namespace lw {

PackageHeader PackageHeaderImage;
PackageTexts PackageTextBlock;
PackageLayout PackageFileLayout;

}  // namespace lw
