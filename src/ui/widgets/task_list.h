// Keeping a window of its own out of the desktop's task list and pager.
#pragma once

class QWidget;

namespace vondrik {

// Asks the window manager to leave `window` out of the task list and the pager. Call it
// before the window is first shown: the hint goes with the window's first appearance. A tool
// window alone is not enough, as some task lists still show one that belongs to no other
// window. Does nothing on platforms without such a hint.
void keepOutOfTaskList(QWidget& window);

}  // namespace vondrik
