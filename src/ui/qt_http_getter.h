// HTTP downloads on QNetworkAccessManager, waiting in a local event loop.
#pragma once

#include <QNetworkAccessManager>

#include "ui/http_getter.h"

namespace vondrik {

class QtHttpGetter final : public HttpGetter {
  public:
    QByteArray get(const QUrl& url, int timeoutMs) override;
    void cancel() override;

  private:
    QNetworkAccessManager manager_;
    QNetworkReply* waitingFor_ = nullptr;
};

}  // namespace vondrik
