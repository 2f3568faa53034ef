#pragma once
// Keeping the main window on the primary screen.

namespace tamikaze {

struct WindowPosition {
  int left = 0;
  int top = 0;
};

// The saved position moved so that the window lies on the screen: first its
// right and bottom edges are pulled in to the screen's, then a negative left
// or top becomes 0 (so a window larger than the screen keeps its top-left
// corner visible).
WindowPosition ClampToScreen(WindowPosition saved, int windowWidth, int windowHeight,
                             int screenWidth, int screenHeight);

}  // namespace tamikaze
