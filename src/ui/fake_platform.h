// A platform for tests: boxes answer from scripts, everything else is recorded.
//
// When a script runs out, a message box gives its default button (Ok, or Yes for the
// Yes/No kinds) and an input box the empty text, as if cancelled; each such case, and each
// scripted answer the box did not offer, is noted in problems() so a test can insist on a
// script that fits.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include "ui/fake_common_dialogs.h"
#include "ui/fake_printer.h"
#include "ui/platform.h"

namespace vondrik {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
    MessageAnswer answer;
};

class FakeMessageBox final : public MessageBox {
  public:
    void script(std::initializer_list<MessageAnswer> answers);
    const QList<ShownMessage>& shown() const { return shown_; }
    QStringList problems;

  protected:
    MessageAnswer ask(const QString& text, const QString& title, MessageIcon icon,
                      MessageButtons buttons) override;

  private:
    QQueue<MessageAnswer> script_;
    QList<ShownMessage> shown_;
};

struct AskedInput {
    QString prompt;
    QString title;
    QString defaultText;
    QString answer;
};

class FakeInputBox final : public InputBox {
  public:
    void script(const QStringList& answers);
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
    const QList<AskedInput>& asked() const { return asked_; }
    QStringList problems;

  private:
    QQueue<QString> script_;
    QList<AskedInput> asked_;
};

class FakeBeeper final : public Beeper {
  public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

struct PlayedSound {
    QString path;
    bool loop;
    bool found;  // whether the file existed, that is what play() answered
};

class FakeSoundPlayer final : public SoundPlayer {
  public:
    void stop() override { ++stops; }
    QList<PlayedSound> played;
    int stops = 0;

  protected:
    bool start(const QString& path, bool loop) override;
};

struct HttpRequest {
    QUrl url;
    int timeoutMs;
};

class FakeHttpGetter final : public HttpGetter {
  public:
    // Unknown addresses answer with the empty body, as a failed download does.
    void setBody(const QUrl& url, const QByteArray& body) { bodies_.insert(url, body); }
    QByteArray get(const QUrl& url, int timeoutMs) override;
    QList<HttpRequest> requests;

  private:
    QHash<QUrl, QByteArray> bodies_;
};

// Records every address handed to the desktop; answers as `succeeds` says.
class FakeUrlOpener final : public UrlOpener {
  public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return succeeds;
    }
    QList<QUrl> opened;
    bool succeeds = true;
};

class FakeClock final : public Clock {
  public:
    explicit FakeClock(const QDateTime& start) : now_(start) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }
    void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms); }

  private:
    QDateTime now_;
};

// Scripted numbers first, then a fixed-seed sequence; reseed() only counts.
class FakeRandom final : public RandomSource {
  public:
    explicit FakeRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    void script(std::initializer_list<double> values);
    double next() override;
    void reseed() override { ++reseeds; }
    int drawsBeyondScript = 0;
    int reseeds = 0;

  private:
    QQueue<double> script_;
    SeededRandom fallback_;
};

class FakePlatform {
  public:
    // The clock starts at a fixed, ordinary moment so results do not depend on the day.
    explicit FakePlatform(const QString& appRoot);
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Script problems of the message, input and common dialogs together.
    QStringList problems() const {
        return messageBox.problems + inputBox.problems + commonDialogs.problems;
    }

    AppFolder appFolder;
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeBeeper beeper;
    FakeSoundPlayer sound;
    FakePrinter printer;
    FakeClock clock;
    FakeRandom random;
    FakeHttpGetter http;
    FakeCommonDialogs commonDialogs;
    FakeUrlOpener urlOpener;
    Platform platform{messageBox, inputBox, beeper,    sound,         printer,  clock,
                      random,     http,     appFolder, commonDialogs, urlOpener};
};

}  // namespace vondrik
