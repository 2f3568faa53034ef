#include "app/screen_clamp.h"

namespace tamikaze {

WindowPosition ClampToScreen(WindowPosition saved, int windowWidth, int windowHeight,
                             int screenWidth, int screenHeight) {
  WindowPosition p = saved;
  // In 64 bits: a saved value near the int limits must not overflow the sum.
  if (static_cast<long long>(screenWidth) < static_cast<long long>(p.left) + windowWidth)
    p.left = screenWidth - windowWidth;
  if (static_cast<long long>(screenHeight) < static_cast<long long>(p.top) + windowHeight)
    p.top = screenHeight - windowHeight;
  if (p.left < 0) p.left = 0;
  if (p.top < 0) p.top = 0;
  return p;
}

}  // namespace tamikaze
