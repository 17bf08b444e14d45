// Opening addresses through Qt's desktop services.
#pragma once

#include "ui/url_opener.h"

namespace vondrik {

class QtUrlOpener final : public UrlOpener {
  public:
    bool open(const QUrl& url) override;
};

}  // namespace vondrik
