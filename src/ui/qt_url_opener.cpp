// The desktop's open action via QDesktopServices.
#include "ui/qt_url_opener.h"

#include <QDesktopServices>

namespace vondrik {

bool QtUrlOpener::open(const QUrl& url) {
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace vondrik
