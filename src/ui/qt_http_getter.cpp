// A blocking-looking GET that keeps window events running while it waits.
#include "ui/qt_http_getter.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace vondrik {

QByteArray QtHttpGetter::get(const QUrl& url, int timeoutMs) {
    QNetworkRequest request(url);
    // Update files change on the server under the same name: never answer from a cache. Qt
    // also asks proxies for a fresh copy then ("Cache-Control: no-cache").
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(
        manager_.get(request), [](QNetworkReply* r) { r->deleteLater(); });
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished()) {
        waitingFor_ = reply.get();
        loop.exec();
        waitingFor_ = nullptr;
    }
    timer.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        return {};
    }
    return reply->readAll();
}

void QtHttpGetter::cancel() {
    if (waitingFor_) {
        waitingFor_->abort();
    }
}

}  // namespace vondrik
