// Fetching a file over HTTP while the windows keep running.
#pragma once

#include <QByteArray>
#include <QUrl>

namespace vondrik {

class HttpGetter {
  public:
    virtual ~HttpGetter() = default;
    // The body of a successful (2xx) answer, fetched fresh from the server; empty on any
    // failure, on another status or when timeoutMs pass without a complete answer.
    virtual QByteArray get(const QUrl& url, int timeoutMs) = 0;
    // Ends a get that is waiting for the server: it returns the empty body at once.
    virtual void cancel() {}
};

}  // namespace vondrik
