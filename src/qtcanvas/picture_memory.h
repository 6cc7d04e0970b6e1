// Pixel memory for the window's pictures. The window holds a dozen pictures of
// 60 KB to 4 MB, about 9 MB in all, and whitens every pixel when it is made.
// From the ordinary heap that is some 2300 first touches of 4 KB pages, tens of
// milliseconds of start-up on a virtual machine; from shared zeroed huge pages
// it is five.
#pragma once

#include <QImage>
#include <QSize>

namespace kalvesta {

// A white RGB32 picture of `size` whose pixels lie in a block of huge pages
// shared with other pictures; the block is returned to the system once its last
// picture is gone (the newest block is kept for the next pictures). Copies share
// the pixels until one is written, which then detaches onto the ordinary heap as
// any QImage does.
QImage MakeWhitePicture(QSize size);

}  // namespace kalvesta
