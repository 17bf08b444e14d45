// Handing an address to the desktop: a web page to the browser, a "mailto:" address to the
// mail program, a file to the program registered for it.
#pragma once

#include <QUrl>

namespace vondrik {

class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // The desktop's "open" action on the address. False when nothing could take it (no
    // browser or mail program registered); the caller carries on either way.
    virtual bool open(const QUrl& url) = 0;
};

}  // namespace vondrik
