// Recording print jobs.
#include "ui/fake_printer.h"

namespace vondrik {

class FakePrintJob final : public PrintJob {
  public:
    FakePrintJob(FakePrinter& printer, qsizetype index) : printer_(printer), index_(index) {}

    void setFontSize(double points) override { fontSize_ = points; }
    void printLine(const QString& text) override {
        document().pages.last().lines.append({text, fontSize_});
    }
    bool fits(const QString& text) const override {
        return text.size() <= printer_.charactersPerLine;
    }
    void drawPicture(const QImage& picture, QPoint topLeftTwips) override {
        document().pages.last().pictures.append(
            {picture.deviceIndependentSize().toSize(), topLeftTwips});
    }
    void newPage() override { document().pages.append(PrintedPage{}); }
    bool end() override {
        document().ended = true;
        return true;
    }

  private:
    // By index: the list of documents may move in memory while the job is open.
    PrintedDocument& document() { return printer_.documents_[index_]; }

    FakePrinter& printer_;
    qsizetype index_;
    double fontSize_ = 10;
};

std::unique_ptr<PrintJob> FakePrinter::begin(const QString& documentName) {
    documents_.append(PrintedDocument{documentName});
    return std::make_unique<FakePrintJob>(*this, documents_.size() - 1);
}

}  // namespace vondrik
