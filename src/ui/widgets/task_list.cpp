// The task-list hint on X11: the window's _NET_WM_STATE, which Qt keeps when it adds its own
// states on showing the window.
#include "ui/widgets/task_list.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>

#if VONDRIK_HAVE_XCB
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#endif

namespace vondrik {

#if VONDRIK_HAVE_XCB
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

}  // namespace
#endif

void keepOutOfTaskList(QWidget& window) {
#if VONDRIK_HAVE_XCB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::array<xcb_atom_t, 2> states = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

}  // namespace vondrik
